// The registry implementation a contract test runs against: the in-memory one natively,
// advapi32 in the Windows build (run under Wine).
#pragma once

#include "registry/Registry.h"

#include <memory>

namespace tarv {

class ContractBackend {
public:
    virtual ~ContractBackend() {}
    virtual Registry& registry() = 0;
    // Handles opened through registry() and not yet closed.
    virtual int OpenHandleCount() const = 0;
};

std::unique_ptr<ContractBackend> MakeContractBackend();

}  // namespace tarv
