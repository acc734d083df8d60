#pragma once

// The status codes the registry operations return: 0, 99 for a root that does not resolve, and
// the registry's own numbers for the rest.
namespace RegistryStatus {

enum Code {
    Success = 0,
    NotFound = 2,
    PathNotFound = 3,
    AccessDenied = 5,
    InvalidData = 13,
    InvalidParameter = 87,
    RootUnresolved = 99,
    DiskFull = 112,
    InvalidName = 123,
    CannotRead = 1012,
    CannotWrite = 1013,
};

} // namespace RegistryStatus
