// The sound setting in the registry: the value as the game has always read and written it.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/Shell.h"
#include "platform/win32/RegistrySettingStore.h"
#include "platform/win32/WindowsApi.h"
#include "sound/SoundPlayer.h"

namespace {

// A key of its own under HKEY_CURRENT_USER, removed afterwards.
class RegistrySettingTest : public ::testing::TestWithParam<std::optional<const char*>> {
protected:
    void TearDown() override {
        settingStore = nullptr;
        RegDeleteTreeW(HKEY_CURRENT_USER, kBelow);
    }
    std::string Stored() {
        std::string value;
        return store.Read(kSettingsKey, kSoundSettingName, value) ? value : "(none)";
    }

    static constexpr const wchar_t* kBelow = L"Software\\PebblorTests";
    RegistrySettingStore store{"Software\\PebblorTests"};
};

TEST_P(RegistrySettingTest, OnlyAStoredCapitalYOrNoValueMeansSoundOn) {
    const std::optional<const char*> stored = GetParam();
    if (stored) {
        ASSERT_TRUE(store.Write(kSettingsKey, kSoundSettingName, *stored));
    }
    settingStore = &store;
    LoadSoundSetting();
    ApplySoundSetting();
    const bool on = !stored || std::string(*stored).starts_with("Y");
    EXPECT_EQ(soundPlayer.enabled, on);
    EXPECT_EQ(Stored(), on ? "Y" : "N");
}

INSTANTIATE_TEST_SUITE_P(StoredValues, RegistrySettingTest,
                         ::testing::Values(std::nullopt, "Y", "N", "y", "", "Yes"));

TEST(RegistrySettingStoreTest, KeepsAStringValueUnderTheCompanyKey) {
    RegistrySettingStore store("Software\\PebblorTests");
    ASSERT_TRUE(store.Write("Software\\Zorvane", "PebblorSoundSetting", "N"));
    wchar_t value[8] = {};
    DWORD size = sizeof value;
    DWORD type = 0;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\PebblorTests\\Software\\Zorvane",
                           L"PebblorSoundSetting", RRF_RT_ANY, &type, value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD(REG_SZ));
    EXPECT_EQ(std::wstring(value), L"N");
    // Names and values beyond ASCII go through as they are.
    ASSERT_TRUE(store.Write("Software\\Zorvane", "Fen\xC3\xAAtre", "\xE2\x82\xAC"));
    std::string read;
    EXPECT_TRUE(store.Read("Software\\Zorvane", "Fen\xC3\xAAtre", read));
    EXPECT_EQ(read, "\xE2\x82\xAC");
    EXPECT_FALSE(store.Read("Software\\Zorvane", "Missing", read));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\PebblorTests");
}

}  // namespace
