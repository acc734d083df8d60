#include "codegen/CodeExport.h"

#include "codegen/CWriter.h"
#include "codegen/FlowProgram.h"
#include "codegen/JavaWriter.h"
#include "codegen/PythonWriter.h"

#include <memory>

std::optional<CodeExport::Language> CodeExport::languageNamed(const QString &name)
{
    const QString lower = name.toLower();
    if (lower == u"python")
        return Python;
    if (lower == u"c")
        return C;
    if (lower == u"java")
        return Java;
    return std::nullopt;
}

QString CodeExport::fileExtension(Language language)
{
    switch (language) {
    case Python:
        return QStringLiteral("py");
    case C:
        return QStringLiteral("c");
    default:
        return QStringLiteral("java");
    }
}

bool CodeExport::exportChart(const QString &path, Language language, const QString &className)
{
    m_code.clear();
    m_error.clear();
    m_structured = false;
    m_blockLines.clear();
    FlowProgram program;
    if (!program.load(path, m_error))
        return false;
    std::unique_ptr<CodeWriter> writer;
    switch (language) {
    case C:
        writer = std::make_unique<CWriter>(program);
        break;
    case Java:
        writer = std::make_unique<JavaWriter>(program, className);
        break;
    default:
        writer = std::make_unique<PythonWriter>(program);
        break;
    }
    m_code = writer->write();
    m_structured = writer->structured();
    m_blockLines = writer->blockLines();
    return true;
}
