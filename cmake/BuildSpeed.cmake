# How the code is optimised and compiled, so that a clean build stays short on a small machine.
#
# The Check build is the one the tests are run in (scripts/test): lightly optimised, with Qt's and
# the standard library's assertions on (a wrong index stops the program at once) and without debug
# information or link-time optimisation. It compiles in well under half the time of the shipped
# build and the tests still run at speed.
# (CMake makes an empty cache entry for a build type it does not know, so this one is set plainly.)
set(CMAKE_CXX_FLAGS_CHECK "-O1 -UQT_NO_DEBUG -D_GLIBCXX_ASSERTIONS")
#
# The shipped build (RelWithDebInfo) and the benchmarks, built the same way, are optimised at -O3:
# against -O2 the counting loop takes 4 % fewer instructions, and calls, loads and saves as many
# within 2 %.
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O3 -g -DNDEBUG")
#
# The interpreter's tick crosses several files; link-time optimisation lets them inline. Only the
# programs that ship (and the benchmarks, which measure them) are linked that way: the libraries'
# objects carry the optimiser's intermediate code beside finished machine code, so the tests and
# the build-time tools link the machine code at once instead of optimising the whole program again
# for each of them.
include(CheckIPOSupported)
check_ipo_supported(RESULT VARNEL_IPO OUTPUT VARNEL_IPO_MESSAGE LANGUAGES CXX)
set(VARNEL_LTO OFF)
if(VARNEL_IPO AND NOT CMAKE_BUILD_TYPE MATCHES "^(Debug|Check)$")
  set(VARNEL_LTO ON)
  # GCC's link-time pass misreads an unreachable size in Qt's hash table as a huge allocation.
  add_link_options(-Wno-alloc-size-larger-than)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC's linker plugin would optimise objects with intermediate code even in a plain link.
    add_link_options("$<$<NOT:$<BOOL:$<TARGET_PROPERTY:INTERPROCEDURAL_OPTIMIZATION>>>:-fno-lto>")
  else()
    # Other compilers' objects hold intermediate code only: everything is linked optimised.
    set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
  endif()
endif()

# A library linked both into the shipped programs (optimised across files) and into the tests.
function(varnel_optimised_library target)
  if(VARNEL_LTO AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -flto=auto -ffat-lto-objects)
  endif()
endfunction()

# A program optimised across files at its link.
function(varnel_optimised_program target)
  set_property(TARGET ${target} PROPERTY INTERPROCEDURAL_OPTIMIZATION ${VARNEL_LTO})
endfunction()

# Precompiled Qt and GoogleTest headers save reading them again in every file, and compiling the
# files of each library and program in batches reads and optimises what they share once per batch.
# A compiler cache (ccache) keeps whole objects file by file instead and would compile every file
# again with either, so both are off when one is in use.
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(VARNEL_SHARED_COMPILE_DEFAULT OFF)
else()
  set(VARNEL_SHARED_COMPILE_DEFAULT ON)
endif()
option(VARNEL_PCH "Precompile the Qt and GoogleTest headers" ${VARNEL_SHARED_COMPILE_DEFAULT})
option(VARNEL_UNITY "Compile the files of each library and program in batches" ${VARNEL_SHARED_COMPILE_DEFAULT})

# With VARNEL_UNITY a target's files are compiled thirty-two at a time, so names a file keeps to
# itself (an anonymous namespace, a static function) must differ between the files of one target.
function(varnel_batched target)
  if(VARNEL_UNITY)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 32)
  endif()
endfunction()

# A test program. In the Check build its own files are not optimised: the code under test is, and
# the tests' own code runs too briefly for optimising it to pay for the time it takes.
# GCC takes each file of a batch for a header and would warn that a test derives from a fixture the
# file keeps to itself, which is right in a file of its own.
function(varnel_test_program target)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Check>:-O0>)
  varnel_batched(${target})
  if(VARNEL_UNITY AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()

set(VARNEL_CORE_HEADERS <QByteArray> <QDir> <QFileInfo> <QHash> <QList> <QObject> <QString> <QStringList>
                        <algorithm> <functional> <memory> <optional> <vector>)
set(VARNEL_WIDGET_HEADERS ${VARNEL_CORE_HEADERS} <QAction> <QPainter> <QPointer> <QTimer> <QWidget>)

# kind: core or widgets, the Qt modules the target's files use; a test adds GoogleTest's header.
function(varnel_precompile target kind)
  if(NOT VARNEL_PCH)
    return()
  endif()
  if(kind STREQUAL "widgets")
    set(headers ${VARNEL_WIDGET_HEADERS})
  else()
    set(headers ${VARNEL_CORE_HEADERS})
  endif()
  if(ARGN STREQUAL "test")
    list(APPEND headers <QTemporaryDir> <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()

# A target compiled with exactly the flags of another takes that one's precompiled headers.
function(varnel_precompile_like target other)
  if(VARNEL_PCH)
    target_precompile_headers(${target} REUSE_FROM ${other})
  endif()
endfunction()
