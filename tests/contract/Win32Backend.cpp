#include "registry/win32/Win32Registry.h"
#include "tests/contract/ContractBackend.h"

namespace tarv {
namespace {

class Win32Backend : public ContractBackend {
public:
    Registry& registry() override { return registry_; }
    int OpenHandleCount() const override { return registry_.OpenHandleCount(); }

private:
    Win32Registry registry_;
};

}  // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() {
    return std::unique_ptr<ContractBackend>(new Win32Backend);
}

}  // namespace tarv
