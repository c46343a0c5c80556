// ZQSelfExtractor.exe <archive> @<response file>: makes a self-extracting
// installer <archive base>.exe beside the archive: the installer head
// ZQInstallerStub.exe (found beside this program), the archive and a trailer
// with the title, the folder and the overwrite choice. The response file
// holds one option a line: -win32, -d <folder>, -st "<title>", -i "<icon>"
// (the file must exist; its icon is not applied), -overwrite. The archive is
// checked entry by entry first, so no installer carries a damaged archive
// or an entry it would refuse. Written under a temporary name and renamed.
#include "ZQToolSupport.h"
#include "ZQZipFormat.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

ZQ_String Trim(const ZQ_String& Text) {
  int start = 0, end = Text.GetLength();
  while (start < end && (Text[start] == ' ' || Text[start] == '\t')) ++start;
  while (end > start && (Text[end - 1] == ' ' || Text[end - 1] == '\t' || Text[end - 1] == '\r')) --end;
  return ZQ_String(Text.GetText() + start, end - start);
}

ZQ_String Unquote(const ZQ_String& Text) {
  if (Text.GetLength() >= 2 && Text.GetFirstChar() == '"' && Text.GetLastChar() == '"')
    return ZQ_String(Text.GetText() + 1, Text.GetLength() - 2);
  return Text;
}

// The settings of the response file's lines.
ZQZip_InstallerSettings ReadResponseFile(const ZQ_String& Name) {
  const ZQ_String text = ZQ_LoadFileIntoString(Name);
  ZQZip_InstallerSettings settings;
  for (int start = 0; start < text.GetLength();) {
    int end = text.Find("\n", start);
    if (end == ZQ_NoMatch) end = text.GetLength();
    const ZQ_String line = Trim(ZQ_String(text.GetText() + start, end - start));
    start = end + 1;
    if (line.IsEmpty()) continue;
    int blank = line.Find(' ');
    const ZQ_String option = blank == ZQ_NoMatch ? line : line.GetLeft(blank);
    const ZQ_String value = blank == ZQ_NoMatch ? ZQ_String() : Unquote(Trim(line.GetRight(line.GetLength() - blank - 1)));
    const bool takesValue = option == "-d" || option == "-st" || option == "-i";
    if (!takesValue && option != "-win32" && option != "-overwrite")
      throw ZQTool_UsageError{"the response file's option \"" + option + "\" is unknown"};
    if (takesValue == value.IsEmpty())
      throw ZQTool_UsageError{"the response file's option \"" + option +
                              (takesValue ? "\" needs a value" : "\" takes no value")};
    if (option == "-d") settings.Folder = value;
    if (option == "-st") settings.Title = value;
    if (option == "-overwrite") settings.Overwrite = true;
    if (option == "-i" && !ZQ_FileUtils::FileExists(value))
      throw ZQ_Exception("Icon Not Found", "The icon \"" + value + "\" named by -i does not exist.");
  }
  if (settings.Folder.IsEmpty()) throw ZQTool_UsageError{"the response file names no folder (-d)"};
  return settings;
}

void CheckArchive(const ZQ_String& Archive, const ZQ_String& Name) {
  ZQZip_Reader reader(Archive);
  for (int i = 0; i < reader.GetNumEntries(); ++i) {
    if (!ZQZip_IsSafeEntryName(reader.GetEntry(i).Name))
      throw ZQ_Exception("Invalid Archive", "The archive \"" + Name + "\" holds the entry \"" +
                                                reader.GetEntry(i).Name +
                                                "\", which would land outside the install folder.");
    reader.Extract(i);
  }
}

int MakeInstaller(int argc, char** argv) {
  if (argc != 3 || argv[2][0] != '@' || argv[2][1] == '\0')
    throw ZQTool_UsageError{"usage: ZQSelfExtractor <archive> @<response file>"};
  ZQZip_InstallerSettings settings = ReadResponseFile(argv[2] + 1);
  const ZQ_FileName archiveName(argv[1]);
  const ZQ_String archive = ZQ_LoadFileIntoString(archiveName);
  CheckArchive(archive, archiveName.GetPathName());
  const ZQ_String installer = archiveName.GetPath() + archiveName.GetBase() + ".exe";
  if (settings.Title.IsEmpty()) settings.Title = archiveName.GetBase();
  const ZQ_String head = ZQ_LoadFileIntoString(ZQ_FileUtils::GetHomeDirectory() + "ZQInstallerStub.exe");
  ZQTool_WriteFileSafely(installer, [&](const ZQ_String& Temporary) {
    ZQ_SaveStringAsFile(head + archive + ZQZip_MakeInstallerTrailer(settings, archive.GetLength()),
                        Temporary);
  });
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return ZQTool_Run("ZQSelfExtractor", MakeInstaller, argc, argv); }
