#include "storage/SystemInfo.h"

#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace courtlog {
namespace {

using testing::FakePlatform;

constexpr const char* kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr const char* kUnavailable =
    "Le informazioni sul sistema non sono attualmente disponibili.";

TEST(SystemInfo, ThePathValueComesFirst) {
    FakePlatform p;
    p.memoryRegistry.put(Registry::LocalMachine, kPathKey, "PATH", Registry::TypeText,
                         std::string("C:\\Tools\\msinfo32.exe\0", 22));
    p.memoryRegistry.put(Registry::LocalMachine, kFolderKey, "MSINFO", Registry::TypeText,
                         "C:\\Other");
    StartSysInfo(p);
    EXPECT_EQ(p.started, std::vector<std::string>{"C:\\Tools\\msinfo32.exe"});
    EXPECT_TRUE(p.messages.empty());
    EXPECT_EQ(p.memoryRegistry.openHandles(), 0);
}

TEST(SystemInfo, TheFolderValueNeedsTheProgramInIt) {
    FakePlatform p;
    p.memoryRegistry.put(Registry::LocalMachine, kFolderKey, "MSINFO", Registry::TypeText,
                         "C:\\Shared");
    StartSysInfo(p);
    EXPECT_TRUE(p.started.empty());
    EXPECT_EQ(p.texts(), std::vector<std::string>{kUnavailable});

    p.existingFiles.insert("C:\\Shared\\MSINFO32.EXE");
    StartSysInfo(p);
    EXPECT_EQ(p.started, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});
}

TEST(SystemInfo, EveryFailureEndsInOneMessage) {
    FakePlatform nothing;
    StartSysInfo(nothing);
    EXPECT_EQ(nothing.texts(), std::vector<std::string>{kUnavailable});

    FakePlatform failing;
    failing.startSucceeds = false;
    failing.memoryRegistry.put(Registry::LocalMachine, kPathKey, "PATH", Registry::TypeText, "x");
    StartSysInfo(failing);
    EXPECT_EQ(failing.texts(), std::vector<std::string>{kUnavailable});
}

TEST(SystemInfo, ValuesAreReadAsText) {
    FakePlatform p;
    Registry& r = p.memoryRegistry;
    p.memoryRegistry.put(Registry::LocalMachine, "K", "cut", Registry::TypeText,
                         std::string("abc\0", 4));
    p.memoryRegistry.put(Registry::LocalMachine, "K", "whole", Registry::TypeText, "abc");
    p.memoryRegistry.put(Registry::LocalMachine, "K", "number", Registry::TypeNumber,
                         std::string("\x1A\x02\x00\x00", 4));
    p.memoryRegistry.put(Registry::LocalMachine, "K", "binary", 3, "zz");
    std::string v = "before";
    EXPECT_TRUE(GetKeyValue(r, Registry::LocalMachine, "k", "CUT", v));
    EXPECT_EQ(v, "abc");
    EXPECT_TRUE(GetKeyValue(r, Registry::LocalMachine, "K", "whole", v));
    EXPECT_EQ(v, "abc");
    EXPECT_TRUE(GetKeyValue(r, Registry::LocalMachine, "K", "number", v));
    EXPECT_EQ(v, "538");  // digits 0, 0, 2, 1A read as 0x0021A
    v = "kept";
    EXPECT_TRUE(GetKeyValue(r, Registry::LocalMachine, "K", "binary", v));
    EXPECT_EQ(v, "kept");
    EXPECT_FALSE(GetKeyValue(r, Registry::LocalMachine, "K", "absent", v));
    EXPECT_EQ(v, "");
    v = "x";
    EXPECT_FALSE(GetKeyValue(r, Registry::LocalMachine, "Nope", "cut", v));
    EXPECT_EQ(v, "");
    EXPECT_EQ(p.memoryRegistry.openHandles(), 0);
}

}  // namespace
}  // namespace courtlog
