#include "platform/win32/win32_services.h"

#include "platform/win32/win32_base_services.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_file_dialogs.h"
#include "platform/win32/win32_fonts.h"
#include "platform/win32/win32_pictures.h"

namespace orv::platform {

struct Win32Services::Impl {
    explicit Impl(UserInterface* ui) : base(ui ? ui : &dialogs) {}
    Win32DialogUserInterface dialogs;  // made before the base services that may use it
    BasicWin32Services base;
    Win32Pictures pictures;
    Win32Fonts fonts;
    Win32Crypto crypto;
};

Win32Services::Win32Services(UserInterface* ui) : impl_(std::make_unique<Impl>(ui))
{
    Services s = impl_->base.services();
    s.pictures = &impl_->pictures;
    s.fonts = &impl_->fonts;
    s.crypto = &impl_->crypto;
    impl_->base.install(s);
}

Win32Services::~Win32Services() = default;

const Services& Win32Services::services() const { return impl_->base.services(); }

}  // namespace orv::platform
