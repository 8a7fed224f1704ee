// What only Windows does: file names in UTF-16 whatever the code page, a rename that will not
// replace a file, files held open by other programs, and the real registry.
#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

#include "form/SystemInfo.h"
#include "platform/WindowsRegistry.h"
#include "storage/FileAccess.h"
#include "support/Harness.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using namespace testing;

TEST(Windows, NamesOutsideTheCodePageAreSavedAndLoadedUnderTheirOwnName) {
    TempDir dir;
    // Greek, Japanese and an emoji (a surrogate pair): none has a place in Windows-1252.
    const std::pair<const char*, const wchar_t*> names[] = {
        {"\xce\x95\xce\xbb\xce\xbb\xce\xac\xce\xb4\xce\xb1.clg",
         L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1.clg"},
        {"\xe6\x9d\xb1\xe4\xba\xac.clg", L"\u6771\u4eac.clg"},
        {"\xf0\x9f\x8e\xbe.clg", L"\U0001F3BE.clg"},
    };
    Harness h;
    h.play("ABA");
    for (const auto& [utf8, wide] : names) {
        h.platform.saveChoices.push_back({dir.file(utf8), utf8});
        h.form.FileSave_Click();
        const std::wstring path = TempDir::path(dir.file("")) / wide;
        EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << utf8;
        Harness other;
        EXPECT_TRUE(other.load(dir.file(utf8)) && other.session().points().count() == 3);
    }
    // Nothing made under a name cut to "?".
    EXPECT_EQ(std::tuple(h.platform.messages, TempDir::entries(dir.file(""))),
              std::tuple(std::vector<std::string>{}, 3));
    EXPECT_EQ(fileTitleOf("C:\\Partite\\\xe6\x9d\xb1\xe4\xba\xac.clg"),
              "\xe6\x9d\xb1\xe4\xba\xac.clg");

    // The characters Windows refuses in a name never reach the offered one.
    h.rename(0, "AC/DC: \"Live\" <1|2>");
    h.form.FileSave_Click();
    EXPECT_EQ(h.platform.saveDialogNames.back().substr(0, 22), "AC-DC- -Live- -1-2--Gi");
}

TEST(Windows, ASaveReplacesTheOldFileUnlessAnotherProgramHoldsIt) {
    TempDir dir;
    const std::string path = dir.file("partita.clg");
    ASSERT_EQ(writeFileReplacing(path, "new"), std::nullopt);
    // A program that reads the file without letting it be replaced (most do) keeps it.
    const HANDLE held = ::CreateFileW(TempDir::path(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(writeFileReplacing(path, "newer"), "accesso negato");
    ::CloseHandle(held);
    EXPECT_EQ(std::tuple(TempDir::read(path), TempDir::entries(dir.file(""))),
              std::tuple("new", 1));
    EXPECT_EQ(writeFileReplacing(path, "newer"), std::nullopt);
    EXPECT_EQ(TempDir::read(path), "newer");
}

TEST(Windows, TheRegistryAnswersAsTheInMemoryOneDoes) {
    // A key of its own under HKEY_CURRENT_USER, deleted afterwards.
    const std::string scratch = "Software\\CourtlogTest-" + std::to_string(::GetCurrentProcessId());
    HKEY made = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, scratch.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                nullptr, &made, nullptr),
              ERROR_SUCCESS);
    const std::shared_ptr<void> removed(nullptr, [&](void*) {
        ::RegCloseKey(made);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, scratch.c_str());
    });
    const char text[] = "C:\\Programmi\\msinfo32.exe";
    const DWORD number = 0x12345;
    const auto set = [&](const char* name, DWORD type, const void* data, DWORD size) {
        return ::RegSetValueExA(made, name, 0, type, static_cast<const BYTE*>(data), size);
    };
    ASSERT_EQ(set("PATH", REG_SZ, text, sizeof text), ERROR_SUCCESS);
    ASSERT_EQ(set("Numero", REG_DWORD, &number, sizeof number), ERROR_SUCCESS);

    // HKEY_CURRENT_USER as the 32-bit number the about box's calls use for their roots.
    constexpr Registry::Key kCurrentUser = 0x80000001;
    WindowsRegistry r;
    Registry::Key key = 0;
    ASSERT_EQ(r.RegOpenKeyExA(kCurrentUser, scratch, KEY_READ, key), Registry::Success);
    std::uint32_t type = 0, size = 64;
    std::string data;
    ASSERT_EQ(r.RegQueryValueExA(key, "path", type, data, size), Registry::Success);
    EXPECT_EQ(std::tuple(type, data.substr(0, size)),
              std::tuple(Registry::TypeText, std::string(text, sizeof text)));
    size = 3;
    EXPECT_EQ(r.RegQueryValueExA(key, "PATH", type, data, size), MemoryRegistry::MoreData);
    EXPECT_EQ(size, sizeof text);
    size = 64;
    EXPECT_EQ(r.RegQueryValueExA(key, "Manca", type, data, size), MemoryRegistry::FileNotFound);
    EXPECT_EQ(std::tuple(r.RegCloseKey(key), r.RegCloseKey(0)),
              std::tuple(Registry::Success, MemoryRegistry::InvalidHandle));
    EXPECT_EQ(r.RegOpenKeyExA(kCurrentUser, scratch + "\\Manca", KEY_READ, key),
              MemoryRegistry::FileNotFound);

    // The about box's reader, on the real registry.
    const auto read = [&](const char* name) {
        std::string value = "stale";
        return (GetKeyValue(r, kCurrentUser, scratch, name, value) ? "" : "missing ") + value;
    };
    EXPECT_EQ(read("PATH") + "|" + read("Numero") + "|" + read("Manca"),
              std::string(text) + "|74565|missing ");

    // The root the about box reads, as every Windows has it.
    ASSERT_EQ(r.RegOpenKeyExA(Registry::LocalMachine,
                              "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", KEY_READ, key),
              Registry::Success);
    EXPECT_EQ(r.RegCloseKey(key), Registry::Success);
}

}  // namespace
}  // namespace courtlog
