// Times the release tool. First the tab normaliser: ExpandTabs on about
// 8 MB of generated tab-aligned C++ lines (groups of declarations and
// comment tables between blank lines), beside copying the same bytes
// character by character into a ZQ_String (target: at least a quarter of
// that rate). Then the source release of the project's own lib\ and
// source\ folders with the tree's zip and touch programs, beside copying
// both trees with SafeCopyDirectory (targets: under 10 s, at most 4 times
// the copy). Each figure is the best of the passes.
// Usage: ReleaseBenchmark [megabytes] [passes]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "ZQF_DevelopmentSupport.h"
#include "ZQF_DevelopmentSupport_TabWidthParser.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationMetrics.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"

namespace {

// A small generator of our own: the same text on every run.
class SeededRandom {
 public:
  unsigned Next() {
    State = State * 1103515245u + 12345u;
    return (State >> 8) & 0xFFFFFF;
  }
  int Below(int N) { return static_cast<int>(Next() % static_cast<unsigned>(N)); }

 private:
  unsigned State = 20261207u;
};

ZQ_String MakeTabbedSource(long Bytes) {
  static const char* const kTypes[] = {"int", "long", "ZQ_String", "const char*", "double", "bool"};
  static const char* const kNames[] = {"Count", "NameOfTheThing", "x", "WidthPx", "isDirty", "Total"};
  SeededRandom random;
  ZQ_String text = ZQ_String::WithCapacity(static_cast<int>(Bytes + 256));
  while (text.GetLength() < Bytes) {
    const int lines = 3 + random.Below(15);
    for (int i = 0; i < lines; ++i) {
      text += "  ";
      text += kTypes[random.Below(6)];
      text += '\t';
      text += kNames[random.Below(6)];
      text += ";";
      if (random.Below(3) > 0) {
        text += '\t';
        text += "// what it holds";
        if (random.Below(2)) text += "\tand why";
      }
      text += '\n';
    }
    text += random.Below(4) ? "\n" : "}\n";
  }
  return text;
}

double BestSeconds(int Passes, const std::function<void()>& Work) {
  double best = 1e30;
  for (int pass = 0; pass < Passes; ++pass) {
    const auto start = std::chrono::steady_clock::now();
    Work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

class BenchmarkMetrics : public ZQ_ApplicationMetrics {
 public:
  ZQ_String GetApplicationName() const override { return "WBGT"; }
};

// The project's own folders as the application's and the library's.
class ProjectManager : public ZQF_DevelopmentSupportManager {
 public:
  ZQ_String GetHomeDirectory() override { return ZQ_RELEASE_PROJECT_DIR "\\"; }
};

}  // namespace

int main(int argc, char** argv) {
  ZQLOW_WIN_SetAPIFunctionFailureMode(0);
  ZQ_SetAssertionMode(3);
  const long megabytes = argc > 1 ? std::atol(argv[1]) : 8;
  const int passes = argc > 2 ? std::atoi(argv[2]) : 3;
  try {
    const ZQ_String source = MakeTabbedSource(megabytes * 1024 * 1024);
    const double mb = source.GetLength() / (1024.0 * 1024.0);
    const auto* parser = ZQF_DevelopmentSupport_TabWidthParser::GetAssociatedParser("cpp");
    long expandedLength = 0;
    const double expandSeconds = BestSeconds(passes, [&] {
      expandedLength = ZQF_DevelopmentSupport_TabWidthParser::ExpandTabs(parser, source).GetLength();
    });
    long copiedLength = 0;
    const double copySeconds = BestSeconds(passes, [&] {
      ZQ_String copy;
      const char* text = source.GetText();
      for (int i = 0; i < source.GetLength(); ++i) copy += text[i];
      copiedLength = copy.GetLength();
    });
    std::printf("Tab normaliser: %.1f MB expanded to %.1f MB at %.1f MB/s; character copy %.1f MB/s "
                "(%ld bytes); ratio %.2f (target at least 0.25)\n",
                mb, expandedLength / (1024.0 * 1024.0), mb / expandSeconds, mb / copySeconds,
                copiedLength, copySeconds / expandSeconds);

    BenchmarkMetrics metrics;
    const ZQ_String scratch =
        ZQ_FileUtils::GetTemporaryFileName("RelBench", "tmp", ZQ_FileUtils::GetTemporaryDirectory())
            .GetPathName() + "\\";
    ZQF_DevelopmentSupportSettings settings;
    settings.LibraryDirectory = ZQ_RELEASE_PROJECT_DIR "\\lib\\";
    settings.WebTemplateDirectory = scratch + "templates\\";
    settings.WebSiteDirectory = scratch + "web\\";
    settings.CopyrightFirstYear = "2001";
    settings.CopyrightHolder = "The Developers";
    settings.ZipProgram = ZQ_RELEASE_TOOLS_DIR "/ZQZip.exe";
    settings.TouchProgram = ZQ_RELEASE_TOOLS_DIR "/ZQTouch.exe";
    const double releaseSeconds = BestSeconds(passes, [&] {
      ProjectManager manager;
      manager.SetSettings(settings);
      manager.SetBuildNumber(1);
      ZQ_FileUtils::SafeCreateDirectory(scratch + "web\\wbgt_build1");
      manager.ReleaseSourceCode();
    });
    const double anchorSeconds = BestSeconds(passes, [&] {
      ZQ_FileUtils::SafeCopyDirectory(ZQ_RELEASE_PROJECT_DIR "\\lib", scratch + "copy\\lib");
      ZQ_FileUtils::SafeCopyDirectory(ZQ_RELEASE_PROJECT_DIR "\\source", scratch + "copy\\source");
      ZQ_FileUtils::SafeRemoveDirectory(scratch + "copy");
    });
    const unsigned long zipBytes = ZQ_FileUtils::GetFileSize(scratch + "web\\wbgt_build1\\wbgtsource.zip");
    ZQ_FileUtils::SafeRemoveDirectory(scratch);
    std::printf("Source release of lib\\ and source\\: %.2f s (target under 10 s), archive %lu bytes; "
                "SafeCopyDirectory of both %.2f s; ratio %.2f (target at most 4)\n",
                releaseSeconds, zipBytes, anchorSeconds, releaseSeconds / anchorSeconds);
  } catch (const ZQ_Exception& e) {
    std::printf("Failed: %s: %s\n", e.GetName().GetText(), e.GetDescription().GetText());
    return 1;
  }
  return 0;
}
