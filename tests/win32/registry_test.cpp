// The Win32 registry service under HKEY_LOCAL_MACHINE, in a scratch key of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include "platform/win32/win32_registry.h"

namespace sw {
namespace {

// A fresh key per process and call: reruns in one prefix meet no old values, and a repeated test
// no key an earlier round locked (a lock lasts until the wineserver restarts).
std::string ScratchKey(const std::string& leaf)
{
    static int calls = 0;
    return "SOFTWARE\\SpacewellTest\\" + std::to_string(GetCurrentProcessId()) + "\\" + leaf +
           std::to_string(++calls);
}

struct StoredValue {
    DWORD type = 0;
    std::string bytes;
    bool found = false;
};

StoredValue Query(const std::string& key, const std::string& name)
{
    StoredValue v;
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
        return v;
    char data[1024];
    DWORD size = sizeof data;
    v.found = RegQueryValueExA(h, name.c_str(), nullptr, &v.type, reinterpret_cast<BYTE*>(data),
                               &size) == ERROR_SUCCESS;
    if (v.found)
        v.bytes.assign(data, size);
    RegCloseKey(h);
    return v;
}

TEST(Win32RegistryTest, WritesTheStringWithItsZeroAndDeletesIt)
{
    std::string key = ScratchKey("Run");
    auto registry = MakeWin32Registry();
    auto k = registry->CreateLocalMachineKey("\\" + key);
    ASSERT_TRUE(k);
    const std::string data = "\"C:\\Program Files\\Space well\\OrvaneTully.exe\"";
    EXPECT_TRUE(k->SetString("Spacewell", data));
    StoredValue v = Query(key, "Spacewell");
    ASSERT_TRUE(v.found);
    EXPECT_EQ(v.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(v.bytes, data + '\0');
    EXPECT_TRUE(k->DeleteValue("Spacewell"));
    EXPECT_FALSE(Query(key, "Spacewell").found);
    EXPECT_FALSE(k->DeleteValue("Spacewell"));
    EXPECT_TRUE(k->Close());
    EXPECT_FALSE(k->Close());
}

TEST(Win32RegistryTest, ReadOnlyKeyCannotBeOpenedWithFullAccess)
{
    std::string key = ScratchKey("Locked");
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &h, nullptr),
              ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR sd = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(
        "D:P(A;;KR;;;WD)", SDDL_REVISION_1, &sd, nullptr));
    ASSERT_EQ(RegSetKeySecurity(h, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
    LocalFree(sd);
    RegCloseKey(h);

    auto registry = MakeWin32Registry();
    EXPECT_FALSE(registry->CreateLocalMachineKey("\\" + key));
}

}  // namespace
}  // namespace sw
