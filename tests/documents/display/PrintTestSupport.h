// PrintTestSupport.h: what the printing and preview tests share: the
// program's stages 1 to 7 around each test with a hidden main window to own
// the dialogs, jobs printed into files of the temporary folder (removed
// after the test), and documents of known pages ("Page 1", "Page 2", ...).
#ifndef PRINT_TEST_SUPPORT_H
#define PRINT_TEST_SUPPORT_H

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../services/StageTestSupport.h"
#include "DialogCloser.h"
#include "ZQFO_Document.h"
#include "ZQLOW_WIN_Core.h"

inline std::string ReadWholeFile(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline size_t CountOf(const std::string& Text, const std::string& Part) {
  size_t count = 0;
  for (size_t at = Text.find(Part); at != std::string::npos; at = Text.find(Part, at + 1)) ++count;
  return count;
}

// A document of NumPages sections, one a page, holding "Page 1" ... .
inline ZQFO_Document PagesDocument(int NumPages, const char* Name = "Pages") {
  std::string markup = "<zqfo_document>";
  for (int page = 1; page <= NumPages; ++page)
    markup += "<zqfo_section><zqfo_blockstream><zqfo_para>Page " + std::to_string(page) +
              "</zqfo_para></zqfo_blockstream></zqfo_section>";
  markup += "</zqfo_document>";
  ZQFO_DocumentStream stream;
  stream << markup.c_str();
  ZQFO_Document document = stream.GetDocument();
  document.SetName(Name);
  return document;
}

// The digits of a page number as the PostScript driver names their glyphs.
inline std::string PostScriptNumber(int Number) {
  static const char* const kNames[] = {"zero", "one", "two", "three", "four",
                                       "five", "six", "seven", "eight", "nine"};
  std::string result;
  for (char digit : std::to_string(Number)) result += std::string("/") + kNames[digit - '0'] + " glyphshow";
  return result;
}

class PrintingTest : public StageSequenceTest {
 protected:
  void SetUp() override {
    StageSequenceTest::SetUp();
    mainWindow = CreateWindowExA(0, "STATIC", "Printing test", WS_OVERLAPPED, 0, 0, 100, 100,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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
