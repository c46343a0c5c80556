// StageTestSupport.h: drives the thirteen initialization stages from test
// code, the way the program entry will: Windows-API failure mode 0 and
// translation mode 1 as it begins, translation mode 2 just before stage 1.
// The command line the stages parse is a test's text, and the default
// options file is looked for beside a made-up executable in the temporary
// directory. Between runs the service is reset, so one test process can run
// the sequence many times. Also: scratch files in the temporary directory,
// and catching assertion failures (the tests run in assertion mode 3).
#ifndef STAGE_TEST_SUPPORT_H
#define STAGE_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "../foundation/AssertionTestSupport.h"
#include "../foundation/StringTestSupport.h"
#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_CommandLineParser.h"
#include "ZQ_Exception.h"
#include "ZQ_InitializationService.h"
#include "ZQ_Internationalization.h"

// The message of the assertion failure (or other ZQ_Exception) a statement
// throws; "" when it throws nothing.
template <class Statement>
std::string FailureOf(Statement statement) {
  return ExceptionNameOf(statement);
}

inline std::string AssertionMessage(const std::string& condition, const std::string& file) {
  return "Assertion failed: " + condition + ", file \"" + file + "\", line ";
}

// GetTempPathA's folder, ending in "\".
inline std::string TemporaryDirectory() {
  char buffer[MAX_PATH + 1];
  const DWORD length = ZQLOW_WINBASE::GetTempPathA(sizeof buffer, buffer);
  return std::string(buffer, length);
}

// A file in the temporary directory holding exactly Contents, deleted with
// the object.
class ScratchFile {
 public:
  ScratchFile(const std::string& Name, const std::string& Contents)
      : path(TemporaryDirectory() + Name) {
    std::ofstream out(path, std::ios::binary);
    out << Contents;
  }
  ~ScratchFile() { std::remove(path.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;
  const std::string& Path() const { return path; }

 private:
  std::string path;
};

// How a run of the stages ended: the first exception and its stage.
struct StageRun {
  int failedStage = 0;  // 0: every stage completed
  std::string name;
  std::string description;
};

// Sets the modes and the command line for the stages; restores them after.
class StageSequenceTest : public testing::Test {
 protected:
  // The made-up executable; its default options file would be
  // <temp>StageTestProgram<process>DefaultCommandLineOptions.txt. The process
  // number keeps test programs running side by side in one temporary
  // directory from reading each other's default options.
  static std::string ExecutableBase() {
    return "StageTestProgram" + std::to_string(::GetCurrentProcessId());
  }
  static std::string ExecutableName() { return TemporaryDirectory() + ExecutableBase() + ".exe"; }
  static std::string DefaultOptionsFileName() {
    return ExecutableBase() + "DefaultCommandLineOptions.txt";
  }

  void SetUp() override {
    savedApiMode = ZQLOW_WIN_GetAPIFunctionFailureMode();
    savedTranslationMode = ZQ_Internationalization_GetOperationMode();
    ZQ_InitializationService::ResetForTesting();
    UseCommandLine("StageTestProgram.exe");
  }
  void TearDown() override {
    ZQ_InitializationService::ResetForTesting();
    ZQ_CommandLineParser::ClearProcessCommandLineForTesting();
    ZQ_Internationalization_SetOperationMode(savedTranslationMode);
    ZQLOW_WIN_SetAPIFunctionFailureMode(savedApiMode);
  }

  static void UseCommandLine(const std::string& CommandLine) {
    ZQ_CommandLineParser::SetProcessCommandLineForTesting(CommandLine.c_str(),
                                                          ExecutableName().c_str());
  }

  static void EnterProgramModes() {
    ZQLOW_WIN_SetAPIFunctionFailureMode(0);
    ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_NoTranslation);
    ZQ_Internationalization_SetOperationMode(ZQ_Internationalization_OperationMode_Normal);
  }

  // Performs stages First to Last. After a failure at stage 1 nothing more
  // runs (later modules never started); after a later failure the remaining
  // stages still run, so that modules give back what they took, and their
  // own failures are ignored. The service is reset afterwards when the run
  // ended at stage 13 or failed.
  static StageRun RunStages(int First = 1, int Last = 13) {
    EnterProgramModes();
    StageRun run;
    for (int stage = First; stage <= Last; ++stage) {
      try {
        ZQ_InitializationService::PerformStage(stage);
      } catch (const ZQ_Exception& e) {
        if (run.failedStage == 0) {
          run = {stage, e.GetName().GetText(), e.GetDescription().GetText()};
          if (stage == 1) break;
        }
      }
    }
    if (run.failedStage != 0 || Last == 13) ZQ_InitializationService::ResetForTesting();
    return run;
  }

  static StageRun RunStagesWithCommandLine(const std::string& CommandLine) {
    UseCommandLine(CommandLine);
    return RunStages();
  }

 private:
  int savedApiMode = 1;
  int savedTranslationMode = 0;
};

#endif
