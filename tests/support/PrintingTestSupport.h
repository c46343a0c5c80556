// PrintingTestSupport.h: what the printing tests share: the program's stages
// 1 to 7 around each test with a hidden main window to own the dialogs, the
// printer settings folder, and jobs printed into files of the temporary
// folder (removed before and after the test), read back whole.
#ifndef PRINTING_TEST_SUPPORT_H
#define PRINTING_TEST_SUPPORT_H

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../services/StageTestSupport.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationConfigurationRegistry.h"

inline std::string ReadWholeFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline size_t CountOf(const std::string& Text, const std::string& Part) {
  size_t count = 0;
  for (size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at + 1)) ++count;
  return count;
}

class PrintingTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    // The timer module's hidden window needs the instance handle at stage 2.
    ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
    mainWindow = CreateWindowExA(0, "STATIC", "Printing test", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ZQLOW_WIN_SetProgramMainWindowHandle(mainWindow);
    ASSERT_EQ(RunStages(1, 7).failedStage, 0);
    stagesOpen = true;
  }
  void TearDown() override {
    if (stagesOpen) RunStages(8, 13);
    ZQLOW_WIN_SetProgramMainWindowHandle(nullptr);
    DestroyWindow(mainWindow);
    for (const std::string& file : outputFiles) std::remove(file.c_str());
    StageSequenceTest::TearDown();
  }

  static ZQ_RegistryFolder& Settings() {
    return ZQ_AppConfigRegistry_GetNamedTopicConfigFolder("PrinterOptionsState");
  }
  // A file in the temporary directory, removed before and after the test.
  std::string OutputFile(const std::string& Name) {
    outputFiles.push_back(TemporaryDirectory() + Name);
    std::remove(outputFiles.back().c_str());
    return outputFiles.back();
  }

  bool stagesOpen = false;
  HWND mainWindow = nullptr;
  std::vector<std::string> outputFiles;
};

#endif
