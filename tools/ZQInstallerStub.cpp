// ZQInstallerStub.exe: the head of every installer that ZQSelfExtractor
// makes. It reads the archive and trailer appended to its own file, asks
// "Install into <folder>?" in a message box titled by the installer's title
// and extracts every entry below the folder, replacing existing files only
// when the installer was made with -overwrite. Every entry is checked (name,
// size, CRC) before the first file is written, and a name with a ".." part,
// a drive or a leading separator refuses the whole archive.
// Command line: nothing, or -quiet [-d <folder>]: no box, failures on
// stderr (scripts and tests). -d installs elsewhere than the built-in folder.
// Exit codes: 0 installed, 1 failed or declined, 2 command line not understood.
#include <cstring>
#include <vector>

#include "ZQLOW_WINBASE.h"
#include "ZQLOW_WINUSER.h"
#include "ZQToolSupport.h"
#include "ZQZipFormat.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

const char kToolName[] = "ZQInstallerStub";

void Extract(const ZQ_String& Archive, const ZQ_String& Folder, bool Overwrite) {
  ZQZip_Reader reader(Archive);
  std::vector<ZQ_String> contents;
  for (int i = 0; i < reader.GetNumEntries(); ++i) {
    const ZQ_String& name = reader.GetEntry(i).Name;
    if (!ZQZip_IsSafeEntryName(name))
      throw ZQ_Exception("Unsafe Entry", "The installer refuses the entry \"" + name +
                                             "\", which would land outside " + Folder + ".");
    contents.push_back(reader.Extract(i));
  }
  const ZQ_String root = ZQ_FileUtils::Util_AppendSeparator(Folder);
  ZQ_FileUtils::SafeCreateDirectory(root);
  for (int i = 0; i < reader.GetNumEntries(); ++i) {
    ZQ_String target = root + reader.GetEntry(i).Name;
    for (int c = root.GetLength(); c < target.GetLength(); ++c)
      if (target[c] == '/') target[c] = '\\';
    if (target.EndsWith("\\")) {
      ZQ_FileUtils::SafeCreateDirectory(target);
      continue;
    }
    if (!Overwrite && ZQ_FileUtils::FileExists(target)) continue;
    ZQ_FileUtils::SafeCreateDirectory(ZQ_FileName(target).GetPath());
    ZQ_SaveStringAsFile(contents[i], target);
  }
}

ZQ_String OwnFileName() {
  char name[MAX_PATH];
  DWORD length = ZQLOW_WINBASE::GetModuleFileNameA(nullptr, name, sizeof name);
  return ZQ_String(name, static_cast<int>(length));
}

bool IsQuiet(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "-quiet") == 0) return true;
  return false;
}

int Install(int argc, char** argv) {
  ZQ_String folder;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-quiet") == 0) continue;
    if (std::strcmp(argv[i], "-d") == 0 && i + 1 < argc && folder.IsEmpty())
      folder = argv[++i];
    else
      throw ZQTool_UsageError{ZQ_String("usage: installer [-quiet] [-d <folder>]; not understood: ") +
                              argv[i]};
  }
  ZQZip_InstallerSettings settings;
  ZQ_String archive;
  ZQZip_ReadInstaller(ZQ_LoadFileIntoString(OwnFileName()), settings, archive);
  if (folder.IsEmpty()) folder = settings.Folder;
  const bool isQuiet = IsQuiet(argc, argv);
  if (!isQuiet && ZQLOW_WINUSER::MessageBoxA(nullptr, ("Install into " + folder + "?").GetText(),
                                             settings.Title.GetText(),
                                             MB_YESNO | MB_ICONQUESTION) != IDYES)
    return 1;
  Extract(archive, folder, settings.Overwrite);
  if (!isQuiet)
    ZQLOW_WINUSER::MessageBoxA(nullptr, ("The installation into " + folder + " is complete.").GetText(),
                               settings.Title.GetText(), MB_OK | MB_ICONINFORMATION);
  return 0;
}

// Without -quiet nobody reads stderr: the failure goes into a box.
void ReportInBox(const char* ToolName, const ZQ_String& Line) {
  ZQLOW_WINUSER::MessageBoxA(nullptr, Line.GetText(), ToolName, MB_OK | MB_ICONERROR);
}

}  // namespace

int main(int argc, char** argv) {
  return ZQTool_Run(kToolName, Install, argc, argv,
                    IsQuiet(argc, argv) ? &ZQTool_ReportOnStandardError : &ReportInBox);
}
