// ZQZip.exe -rP <archive> <pattern>: packs every file below the current
// folder whose name matches the pattern into a new ZIP archive, each under
// its path relative to the current folder ("/" separators), sorted by those
// names byte by byte. The pattern's folder part ("CalcSource\*") chooses
// where the search starts; its name part may list alternatives separated by
// commas. The archive itself is never packed. The archive is written under
// a temporary name beside it and renamed when complete, so a failure leaves
// any earlier archive as it was and no new one.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ZQToolSupport.h"
#include "ZQZipFormat.h"
#include "ZQ_Exception.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_FilenameIterator.h"

namespace {

struct Member {
  std::string StoredName;  // bytes, for the bytewise order
  ZQ_String Path;
  FILETIME LastWrite;
};

ZQ_String ToSlashes(ZQ_String Text) {
  for (int i = 0; i < Text.GetLength(); ++i)
    if (Text[i] == '\\') Text[i] = '/';
  return Text;
}

std::vector<Member> ListMembers(const ZQ_String& Pattern, const ZQ_String& Archive,
                                const ZQ_String& Temporary) {
  const int cut = std::max(Pattern.FindLast('\\'), Pattern.FindLast('/'));
  const ZQ_String folder = cut >= 0 ? Pattern.GetLeft(cut + 1) : ZQ_String();
  const ZQ_String names = Pattern.GetRight(Pattern.GetLength() - (cut >= 0 ? cut + 1 : 0));
  if (names.IsEmpty()) throw ZQTool_UsageError{"the pattern \"" + Pattern + "\" names no files"};
  std::vector<Member> members;
  for (ZQ_ReadOnlyIterator<ZQ_FilenameIterator_FileInfo> it = ZQ_GetFilenameIterator(
           ZQ_FileUtils::GetCurrentDirectoryA() + folder, names,
           ZQ_FilenameIterator_Recursive | ZQ_FilenameIterator_FilesOnly);
       it.IsValid(); it.Advance()) {
    const ZQ_FilenameIterator_FileInfo& entry = it.GetCurrent();
    ZQ_String path = entry.GetFileName().GetAbsolutePathName();
    if (path.Compare(Archive, true) == 0 || path.Compare(Temporary, true) == 0) continue;
    ZQ_String stored = ToSlashes(folder + entry.GetRelativeDirectory() + entry.GetFileName().GetFileName());
    members.push_back({std::string(stored.GetText(), stored.GetLength()), path, entry.LastWriteTime});
  }
  if (members.size() > 0xFFFF)
    throw ZQ_Exception("Archive Too Large", "An archive holds at most 65,535 entries; \"" + Pattern +
                                                "\" matches more.");
  if (members.empty())
    throw ZQ_Exception("Nothing to Pack", "No file below the current folder matches \"" + Pattern + "\".");
  std::sort(members.begin(), members.end(),
            [](const Member& A, const Member& B) { return A.StoredName < B.StoredName; });
  return members;
}

int Zip(int argc, char** argv) {
  if (argc != 4 || std::strcmp(argv[1], "-rP") != 0)
    throw ZQTool_UsageError{"usage: ZQZip -rP <archive> <pattern>"};
  const ZQ_String archive = ZQ_FileName(argv[2]).GetAbsolutePathName();
  const std::vector<Member> members = ListMembers(argv[3], archive, ZQTool_GetTemporaryName(archive));
  ZQTool_WriteFileSafely(archive, [&members](const ZQ_String& Temporary) {
    ZQZip_Writer writer(Temporary);
    for (const Member& member : members) {
      uint16_t date = 0, time = 0;
      ZQZip_FileTimeToDos(member.LastWrite, date, time);
      writer.AddEntry(ZQ_String(member.StoredName.data(), static_cast<int>(member.StoredName.size())),
                      ZQ_LoadFileIntoString(member.Path), date, time);
    }
    writer.Finish();
  });
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return ZQTool_Run("ZQZip", Zip, argc, argv); }
