#include "program_support/encryption_services.h"

#include "platform/host/host_crypto.h"

namespace orv::shell {

EncryptionServices::EncryptionServices(ProgramServices& services)
    : crypto_(std::make_unique<platform::HostCrypto>(services.base().files()))
{
    platform::Services withCrypto = services.base().services();
    withCrypto.crypto = crypto_.get();
    services.base().install(withCrypto);
}

EncryptionServices::~EncryptionServices() = default;

}  // namespace orv::shell
