// Restoring an encrypted file (.cry) from arbitrary bytes through the format layer, with
// fast stand-in primitives: it must never crash or hang, a failure leaves no file behind,
// and what restores once encrypts and restores to the same bytes again.
// Input: one byte for the password's length (0-15), the password, then the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fuzz_check.h"
#include "fake_crypto.h"
#include "platform/crypto.h"

namespace fs = std::filesystem;
using namespace orv;
using orv::fuzz::check;

namespace {

const fs::path& folder()
{
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / ("orvanto-fuzz-cry-" + std::to_string(getpid()));
        fs::create_directories(d);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(folder(), ignored);
        });
        return d;
    }();
    return dir;
}

std::string readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t passwordSize = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::string password(reinterpret_cast<const char*>(data) + 1, passwordSize);
    const std::string file(reinterpret_cast<const char*>(data) + 1 + passwordSize, size - 1 - passwordSize);

    const fs::path source = folder() / "in.cry", target = folder() / "out", again = folder() / "again.cry";
    std::error_code ec;
    fs::remove(target, ec);
    std::ofstream(source, std::ios::binary | std::ios::trunc) << file;

    fuzz::FakeCrypto crypto;
    const int result = platform::restoreEncryptedFile(crypto, source, target, password);
    // All or nothing: a failure leaves neither the target nor a temporary file.
    check((result == platform::CryOk) == fs::exists(target));
    check(std::distance(fs::directory_iterator(folder()), fs::directory_iterator()) == (result == platform::CryOk ? 2 : 1));
    if (result == platform::CryOk) {
        const std::string plain = readAll(target);
        check(platform::writeEncryptedFile(crypto, target, again, password, 1) == platform::CryOk);
        fs::remove(target);
        check(platform::restoreEncryptedFile(crypto, again, target, password) == platform::CryOk);
        check(readAll(target) == plain);
        fs::remove(again);
        fs::remove(target);
    }
    return 0;
}
