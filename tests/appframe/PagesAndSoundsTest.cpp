// The options page type registry's one prune, and the alarm sounds: their
// WAVE resources in the program and how they are played.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType.h"
#include "ZQF_SoundLibrary.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_Sound.h"

namespace {

struct PageType : ZQF_PLUGIN_ApplicationOptionsDialogBoxPageType {
  PageType(int Number, bool Active) : Number(Number), Active(Active) {}
  bool IsActive() override {
    ++NumAsked;
    return Active;
  }
  const int Number;
  const bool Active;
  int NumAsked = 0;
};

std::vector<int> Numbers(ZQF_PLUGIN_ApplicationOptionsDialogBoxPageTypeList& List) {
  std::vector<int> numbers;
  for (auto* link = List.GetHeadLink(); link; link = link->Next) {
    numbers.push_back(static_cast<PageType*>(link->Data)->Number);
  }
  return numbers;
}

TEST(OptionsPageTypeRegistry, FirstRequestDropsInactiveTypesOnceAndLaterOnesStayUnasked) {
  const struct {
    const char* why;
    std::vector<bool> active;
    std::vector<int> kept;
  } kCases[] = {
      {"empty registry", {}, {}},
      {"all inactive", {false, false}, {}},
      {"mixed: order kept", {true, false, true, false, true}, {0, 2, 4}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQF_PLUGIN_ResetApplicationOptionsDialogBoxPageTypesForTesting();
    std::vector<std::unique_ptr<PageType>> pages;
    for (bool active : c.active) {
      pages.emplace_back(new PageType(static_cast<int>(pages.size()), active));
      ZQF_PLUGIN_RegisterApplicationOptionsDialogBoxPageType(pages.back().get());
    }
    EXPECT_EQ(Numbers(ZQF_PLUGIN_GetActiveApplicationOptionsDialogBoxPageTypes()), c.kept);
    PageType late(99, false);
    ZQF_PLUGIN_RegisterApplicationOptionsDialogBoxPageType(&late);
    std::vector<int> withLate = c.kept;
    withLate.push_back(99);
    EXPECT_EQ(Numbers(ZQF_PLUGIN_GetActiveApplicationOptionsDialogBoxPageTypes()), withLate);
    EXPECT_EQ(late.NumAsked, 0);
    for (const auto& page : pages) EXPECT_EQ(page->NumAsked, 1);
    ZQF_PLUGIN_ResetApplicationOptionsDialogBoxPageTypesForTesting();
  }
}

// The bytes of a WAVE resource of the test program; empty when it is absent.
std::string WaveResource(const ZQ_String& Name) {
  const HMODULE module = ZQLOW_WIN_GetProgramInstanceHandle();
  const HRSRC info =
      ZQLOW_WINBASE::FindResource_DoNotThrowException(module, Name.GetText(), "WAVE");
  if (!info) return "";
  const void* bytes = ZQLOW_WINBASE::LockResource(ZQLOW_WINBASE::LoadResource(module, info));
  return std::string(static_cast<const char*>(bytes), ZQLOW_WINBASE::SizeofResource(module, info));
}

TEST(AlarmSoundLibrary, NineSoundsAreWaveResourcesPlayedAsynchronouslyByIdentifier) {
  const ZQALARM_SoundLibrary& library = ZQALARM_GetSoundLibrary();
  EXPECT_EQ(&library, &ZQALARM_GetSoundLibrary());
  ASSERT_EQ(library.GetNumSounds(), 9);
  std::vector<std::string> played;
  DWORD flags = 0;
  {
    const ZQLOW_WIN_FakeCall<&ZQLOW_MMSYSTEM::Calls::PlaySoundA> fake(
        [&](LPCSTR Sound, HMODULE Module, DWORD Flags) {
          EXPECT_EQ(Module, ZQLOW_WIN_GetProgramInstanceHandle());
          played.push_back(Sound);
          flags = Flags;
          return TRUE;
        });
    for (long i = 0; i < library.GetNumSounds(); ++i) {
      const ZQF_SoundLibrary::SoundLibraryEntryType& entry = library.GetSound(i);
      SCOPED_TRACE(entry.Identifier.GetText());
      EXPECT_EQ(library.FindSound(entry.Identifier), &entry);
      const std::string wave = WaveResource(entry.ResourceName);
      ASSERT_GT(wave.size(), 44u);
      EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8), "RIFFWAVEfmt ");
      EXPECT_TRUE(library.Play(entry.Identifier));
      EXPECT_EQ(played.back(), entry.ResourceName.GetText());
    }
    EXPECT_EQ(flags, static_cast<DWORD>(SND_RESOURCE | SND_ASYNC | SND_NODEFAULT));
    EXPECT_FALSE(library.Play("Id10"));
    ZQF_SoundLibrary withoutResource;
    withoutResource.AddSound("Id1", "ZQALARM_NoSuchSound", "missing");
    EXPECT_FALSE(withoutResource.Play("Id1"));
    EXPECT_EQ(played.size(), 9u);
  }
  // The real call: no sound device here, so it returns at once.
  library.Play("Id8");
  ZQ_StopPlayingSound();
}

}  // namespace
