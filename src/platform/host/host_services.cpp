#include "platform/host/host_services.h"

#include "platform/host/host_base_services.h"
#include "platform/host/host_crypto.h"
#include "platform/host/host_fonts.h"
#include "platform/host/host_pictures.h"

namespace orv::platform {

struct HostServices::Impl {
    explicit Impl(UserInterface* ui) : base(ui) {}
    BasicHostServices base;
    HostPictures pictures{base.files()};
    HostFonts fonts{base.files()};
    HostCrypto crypto{base.files()};
};

HostServices::HostServices(UserInterface* ui) : impl_(std::make_unique<Impl>(ui))
{
    Services s = impl_->base.services();
    s.pictures = &impl_->pictures;
    s.fonts = &impl_->fonts;
    s.crypto = &impl_->crypto;
    impl_->base.install(s);
}

HostServices::~HostServices() = default;

const Services& HostServices::services() const { return impl_->base.services(); }

}  // namespace orv::platform
