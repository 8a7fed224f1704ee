#include "form/SystemInfo.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace courtlog {
namespace {

using testing::FakePlatform;

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void put(FakePlatform& p, const char* key, const char* name, const std::string& value) {
    p.memoryRegistry.put(Registry::LocalMachine, key, name, Registry::TypeText, value);
}

TEST(SystemInfo, ThePathValueComesFirstThenTheFolderAndAnyFailureIsOneMessage) {
    FakePlatform p;
    put(p, kPathKey, "PATH", std::string("C:\\Tools\\msinfo32.exe\0", 22));
    put(p, kFolderKey, "MSINFO", "C:\\Other");
    StartSysInfo(p);
    EXPECT_EQ(p.started, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(p.memoryRegistry.openHandles(), 0);

    FakePlatform folder;
    put(folder, kFolderKey, "MSINFO", "C:\\Shared");
    folder.existingFiles.insert("C:\\Shared\\MSINFO32.EXE");
    StartSysInfo(folder);
    EXPECT_EQ(folder.started, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});

    FakePlatform nothing, noProgram, failing;
    put(noProgram, kFolderKey, "MSINFO", "C:\\Shared");
    failing.startSucceeds = false;
    put(failing, kPathKey, "PATH", "x");
    for (FakePlatform* p : {&nothing, &noProgram, &failing}) {
        StartSysInfo(*p);
        EXPECT_EQ(p->texts(), std::vector<std::string>{
                                  "Le informazioni sul sistema non sono attualmente disponibili."});
    }
}

TEST(SystemInfo, ValuesAreReadAsText) {
    FakePlatform p;
    auto& r = p.memoryRegistry;
    put(p, "K", "cut", std::string("abc\0", 4));
    r.put(Registry::LocalMachine, "K", "number", Registry::TypeNumber,
          std::string("\x1A\x02\x00\x00", 4));
    r.put(Registry::LocalMachine, "K", "binary", 3, "zz");
    const auto read = [&](const char* key, const char* name, std::string v) {
        const bool found = GetKeyValue(r, Registry::LocalMachine, key, name, v);
        return (found ? "" : "missing ") + v;
    };
    EXPECT_EQ(read("k", "CUT", ""), "abc");     // key paths compare regardless of case
    EXPECT_EQ(read("K", "number", ""), "538");  // digits 0, 0, 2, 1A read as 0x0021A
    EXPECT_EQ(read("K", "binary", "kept"), "kept");
    EXPECT_EQ(read("K", "absent", "x"), "missing ");
    EXPECT_EQ(read("Nope", "cut", "x"), "missing ");
    EXPECT_EQ(r.openHandles(), 0);
}

}  // namespace
}  // namespace courtlog
