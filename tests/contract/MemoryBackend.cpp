#include "registry/memory/MemoryRegistry.h"
#include "tests/contract/ContractBackend.h"

namespace tarv {
namespace {

class MemoryBackend : public ContractBackend {
public:
    Registry& registry() override { return registry_; }
    int OpenHandleCount() const override { return registry_.OpenHandleCount(); }

private:
    MemoryRegistry registry_;
};

}  // namespace

std::unique_ptr<ContractBackend> MakeContractBackend() {
    return std::unique_ptr<ContractBackend>(new MemoryBackend);
}

}  // namespace tarv
