// The file-name dialog: filters, the OPENFILENAME record, the remembered
// folder and the read-back of the user's choice.
#include "ZQF_FileNameQueryDialogBox.h"

#include <cstring>
#include <string>
#include <vector>

#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_Core.h"
#include "ZQ_ApplicationConfigurationRegistry.h"
#include "ZQ_Assertion.h"
#include "ZQ_Exception.h"
#include "ZQ_FileUtils.h"
#include "ZQ_Internationalization.h"
#include "ZQ_RegistryValueItems.h"
#include "ZQ_StackTrace.h"

namespace {

// The record without its three trailing members (pvReserved, dwReserved,
// FlagsEx): the size every system version accepts.
constexpr DWORD kOpenFileNameSize = 76;
constexpr DWORD kBaseFlags = OFN_LONGNAMES | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
const char kDirectoryKey[] = "Directory";

void AppendPatterns(ZQ_List<ZQ_String>& Patterns, ZQ_ReadOnlyIterator<ZQ_String> Source) {
  for (; Source.IsValid(); Source.Advance()) {
    const ZQ_String& pattern = Source.GetCurrent();
    ZQ_ASSERT_TEXT(!pattern.IsEmpty(), "not (*Iter).IsNull()");
    Patterns.Append(pattern);
  }
}

bool StandsForAllFiles(const ZQ_String& Pattern) {
  const ZQ_String stripped = ZQ_StripChar(Pattern, ZQ_Strip_Both, ' ');
  return stripped == "*" || stripped == ".*";
}

// Each filter as its description, a NUL, its patterns each after a "*" and
// joined by ";", a NUL; one more NUL after the last.
std::string MakeFilterText(const ZQ_List<ZQF_FilterInfoStruct>& Filters) {
  std::string text;
  for (ZQ_ReadOnlyIterator<ZQF_FilterInfoStruct> f = Filters.GetIterator(); f.IsValid();
       f.Advance()) {
    const ZQF_FilterInfoStruct& filter = f.GetCurrent();
    text.append(filter.Description.GetText(), filter.Description.GetLength());
    text += '\0';
    ZQ_ReadOnlyIterator<ZQ_String> ExtensionIter = filter.Patterns.GetIterator();
    ZQ_ASSERT_TEXT(ExtensionIter.IsValid(), "ExtensionIter");
    for (bool first = true; ExtensionIter.IsValid(); ExtensionIter.Advance(), first = false) {
      if (!first) text += ';';
      text += '*';
      text.append(ExtensionIter.GetCurrent().GetText(), ExtensionIter.GetCurrent().GetLength());
    }
    text += '\0';
  }
  text += '\0';
  return text;
}

// 0 for tag 0, else 1 + the position of the filter with that tag.
DWORD FilterIndexOfTag(const ZQ_List<ZQF_FilterInfoStruct>& Filters, long Tag) {
  if (Tag == 0) return 0;
  ZQF_FilterInfoStruct probe;
  probe.Tag = Tag;
  const long index = Filters.GetIndex(probe);
  return index < 0 ? 0 : static_cast<DWORD>(index + 1);
}

// The filter the dialog returned as chosen (1-based), or null.
const ZQF_FilterInfoStruct* FilterAtIndex(const ZQ_List<ZQF_FilterInfoStruct>& Filters, DWORD Index) {
  if (Index == 0) return nullptr;
  DWORD position = 1;
  for (ZQ_ReadOnlyIterator<ZQF_FilterInfoStruct> f = Filters.GetIterator(); f.IsValid();
       f.Advance(), ++position) {
    if (position == Index) return &f.GetCurrent();
  }
  return nullptr;
}

// The extension a saved name without one gets: the chosen filter's first
// pattern when it is a plain extension ("txt", not "*" or "*.txt"), else the
// default extension.
ZQ_String ExtensionOfChoice(const ZQF_FilterInfoStruct* Filter, const ZQ_String& DefaultExtension) {
  if (!Filter || Filter->Patterns.IsEmpty()) return DefaultExtension;
  const ZQ_String pattern = ZQ_StripChar(Filter->Patterns.GetIterator().GetCurrent(), ZQ_Strip_Both, ' ');
  const bool isPlain = !pattern.IsEmpty() && pattern.Find('*') == ZQ_NoMatch &&
                       pattern.Find('?') == ZQ_NoMatch && pattern.Find('.') == ZQ_NoMatch;
  return isPlain ? pattern : DefaultExtension;
}

// Whether the user agrees to replace the existing file Name.
bool AgreesToReplace(HWND Owner, const ZQ_FileName& Name, const ZQ_String& Title) {
  const ZQ_String question = ZQ_Internationalization_FillPlaceholders(
      ZQ_Internationalization_Translate("{$1} already exists.\nDo you want to replace it?"),
      Name.GetFileName());
  const ZQ_String caption = Title.IsEmpty() ? ZQ_Internationalization_Translate("Save As") : Title;
  return ZQLOW_WINUSER::MessageBoxA(Owner, question.GetText(), caption.GetText(),
                                    MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

ZQ_RegistryFolder* GetSettingsFolder(const ZQ_String& ConfigurationName) {
  ZQ_RegistryFolder* dialogs =
      ZQ_GetApplicationConfigurationRegistry().GetFolder("DialogBoxConfiguration");
  return dialogs->GetFolder("FileNameQueryDialogBox")
      ->GetFolder(ConfigurationName.IsEmpty() ? ZQ_String("Default") : ConfigurationName);
}

const char* TextOrNull(const ZQ_String& Text) { return Text.IsEmpty() ? nullptr : Text.GetText(); }

// The system's buffer takes the name and its NUL: a longer name would be
// cut or overrun it, so it is refused before anything changes.
void RefuseOverlongFileName(const ZQ_FileName& Name) {
  const int length = Name.GetPathName().GetLength();
  if (length < ZQF_FileNameQueryDialogBox::FileBufferSize) return;
  const ZQ_String values[] = {
      ZQ_String(std::to_string(length).c_str()),
      ZQ_String(std::to_string(ZQF_FileNameQueryDialogBox::FileBufferSize - 1).c_str())};
  throw ZQ_Exception(
      ZQ_Internationalization_Translate("File Name Too Long"),
      ZQ_Internationalization_FillPlaceholders(
          ZQ_Internationalization_Translate(
              "The initial file name has {$1} characters; the file dialog accepts at most {$2}."),
          values, 2));
}

}  // namespace

ZQF_FilterInfoStruct::ZQF_FilterInfoStruct(const ZQ_String& Description,
                                           const ZQ_String& PatternsText, long Tag)
    : Description(Description), Tag(Tag) {
  if (PatternsText.Find(',') == ZQ_NoMatch) {
    ZQ_ASSERT_TEXT(!PatternsText.IsEmpty(), "not (*Iter).IsNull()");
    Patterns.Append(PatternsText);
    return;
  }
  ZQ_List<ZQ_String> pieces;
  for (ZQ_ReadOnlyIterator<ZQ_String> piece = ZQ_GetStringLineIterator(PatternsText, ',', 0);
       piece.IsValid(); piece.Advance()) {
    pieces.Append(ZQ_StripChar(piece.GetCurrent(), ZQ_Strip_Both, ' '));
  }
  AppendPatterns(Patterns, pieces.GetIterator());
}

ZQF_FilterInfoStruct::ZQF_FilterInfoStruct(const ZQ_String& Description,
                                           ZQ_ReadOnlyIterator<ZQ_String> PatternSource, long Tag)
    : Description(Description), Tag(Tag) {
  AppendPatterns(Patterns, PatternSource);
}

void ZQF_FilterOptionsInfoStruct::AddFilter(const ZQ_String& Description,
                                            const ZQ_String& PatternsText, long Tag,
                                            bool IsDefault) {
  Filters.Append(ZQF_FilterInfoStruct(Description, PatternsText, Tag));
  if (IsDefault) DefaultFilterTag = Tag;
}

void ZQF_FilterOptionsInfoStruct::AddFilter(const ZQ_String& Description,
                                            ZQ_ReadOnlyIterator<ZQ_String> Patterns, long Tag,
                                            bool IsDefault) {
  Filters.Append(ZQF_FilterInfoStruct(Description, Patterns, Tag));
  if (IsDefault) DefaultFilterTag = Tag;
}

ZQF_FileNameQueryDialogBox::~ZQF_FileNameQueryDialogBox() = default;

void ZQF_FileNameQueryDialogBox::AddFilter(const ZQ_String& Description,
                                           const ZQ_String& PatternsText, long Tag,
                                           bool IsDefault) {
  FilterOptions.AddFilter(Description, PatternsText, Tag, IsDefault);
}

void ZQF_FileNameQueryDialogBox::AddFilter(const ZQ_String& Description,
                                           ZQ_ReadOnlyIterator<ZQ_String> Patterns, long Tag,
                                           bool IsDefault) {
  FilterOptions.AddFilter(Description, Patterns, Tag, IsDefault);
}

void ZQF_FileNameQueryDialogBox::SetDefaultExtension(const ZQ_String& Extension) {
  DefaultExtension = Extension.BeginsWith(".")
                         ? ZQ_String(Extension.GetText() + 1, Extension.GetLength() - 1)
                         : Extension;
  ZQ_ASSERT_TEXT(DefaultExtension.Find('.') == ZQ_NoMatch,
                 "not DefaultExtension.Contains (\".\")");
}

void ZQF_FileNameQueryDialogBox::AddAllFilesFilterIfNecessary() {
  for (ZQ_ReadOnlyIterator<ZQF_FilterInfoStruct> f = FilterOptions.Filters.GetIterator();
       f.IsValid(); f.Advance()) {
    for (ZQ_ReadOnlyIterator<ZQ_String> p = f.GetCurrent().Patterns.GetIterator(); p.IsValid();
         p.Advance()) {
      if (StandsForAllFiles(p.GetCurrent())) return;
    }
  }
  // Untranslated, as the system's own filter names are.
  FilterOptions.AddFilter("All files", "*", 0, false);
}

void ZQF_FileNameQueryDialogBox::Run() {
  ZQ_TRACE_FUNCTION("ZQF_FileNameQueryDialogBox::Run");
  RefuseOverlongFileName(FileName);
  if (!NoAllFilesFilter) AddAllFilesFilterIfNecessary();
  ZQ_RegistryFolder* OptionsFolder = GetSettingsFolder(ConfigurationName);
  ZQ_ASSERT(OptionsFolder);
  if (!OptionsFolder) return;

  const std::string filterText = MakeFilterText(FilterOptions.Filters);
  std::vector<char> buffer(FileBufferSize, '\0');
  std::memcpy(buffer.data(), FileName.GetPathName().GetText(), FileName.GetPathName().GetLength());
  const ZQ_String initialDirectory = InitialDirectory.IsEmpty()
                                         ? ZQ_GetString(*OptionsFolder, kDirectoryKey, ZQ_String())
                                         : InitialDirectory;
  HWND owner = ZQLOW_WINUSER::GetFocus();
  if (!owner) owner = ZQLOW_WIN_GetProgramMainWindowHandle();

  OPENFILENAMEA record;
  std::memset(&record, 0, sizeof record);
  record.lStructSize = kOpenFileNameSize;
  record.hwndOwner = owner;
  record.hInstance = ZQLOW_WIN_GetProgramInstanceHandle();
  record.lpstrFilter = FilterOptions.Filters.IsEmpty() ? nullptr : filterText.data();
  record.nFilterIndex = FilterIndexOfTag(FilterOptions.Filters, FilterOptions.DefaultFilterTag);
  record.lpstrFile = buffer.data();
  record.nMaxFile = FileBufferSize;
  record.lpstrInitialDir = TextOrNull(initialDirectory);
  record.lpstrTitle = TextOrNull(Title);
  record.Flags = kBaseFlags | (FileMustExist ? OFN_FILEMUSTEXIST : 0) |
                 (OverwritePrompt ? OFN_OVERWRITEPROMPT : 0);
  record.lpstrDefExt = TextOrNull(DefaultExtension);
  if (Mode != Mode_Open && Mode != Mode_Save) {
    ZQ_ASSERT(false);
    return;
  }
  // A save completes a name without an extension by the type chosen and asks
  // about replacing the file so named itself: the system would add its one
  // default extension whatever the type, and ask about that name.
  const bool isSave = Mode == Mode_Save;
  if (isSave) {
    record.Flags &= ~static_cast<DWORD>(OFN_OVERWRITEPROMPT);
    record.lpstrDefExt = nullptr;
  }
  ZQ_FileName chosen;
  for (;;) {
    if (isSave) {
      ZQLOW_COMMDLG::GetSaveFileNameA(&record);
    } else {
      ZQLOW_COMMDLG::GetOpenFileNameA(&record);
    }
    // The system keeps the text NUL-terminated inside the buffer; the last
    // byte stays NUL whatever it wrote.
    buffer.back() = '\0';
    chosen = ZQ_FileName(ZQ_String(buffer.data())).GetAbsolutePathName();
    if (!isSave) break;
    chosen.SetExtension(ExtensionOfChoice(FilterAtIndex(FilterOptions.Filters, record.nFilterIndex),
                                          DefaultExtension),
                        ZQ_FileName::SetMode_KeepExisting);
    // "No" goes back to the dialog, as the system's own question does.
    if (!OverwritePrompt || !ZQ_FileUtils::FileExists(chosen) ||
        AgreesToReplace(record.hwndOwner, chosen, Title))
      break;
  }
  FileName = chosen;
  ZQ_SetString(*OptionsFolder, kDirectoryKey, FileName.GetPath());
  const ZQF_FilterInfoStruct* filter = FilterAtIndex(FilterOptions.Filters, record.nFilterIndex);
  FilterOptions.DefaultFilterTag = filter ? filter->Tag : 0;
}
