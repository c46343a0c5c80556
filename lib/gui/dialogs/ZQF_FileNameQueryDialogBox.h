// ZQF_FileNameQueryDialogBox.h: asks the user for one file name to open or
// to save through the system's common file dialog, with file-type filters, a
// title, a default extension and an initial name, and remembers the folder
// of the last chosen file per configuration name in the settings registry
// ("DialogBoxConfiguration" / "FileNameQueryDialogBox" / name or "Default",
// string "Directory"). Not a glyph dialog. Run returns only when the user
// chose a file; a cancel throws ZQ_CancelCurrentOperationException and a
// failed dialog ZQ_Exception (both through the ZQLOW_COMMDLG wrappers), and
// neither changes anything. Needs the settings registry (stages 2 to 12).
// UI thread only.
#ifndef ZQF_FILENAMEQUERYDIALOGBOX_H
#define ZQF_FILENAMEQUERYDIALOGBOX_H

#include "ZQ_FileName.h"
#include "ZQ_Iterator.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

// One file-type filter. Patterns are usually extensions without the dot
// ("htm"); "*" and ".*" stand for all files. Filters are equal when their
// tags are.
struct ZQF_FilterInfoStruct {
  ZQF_FilterInfoStruct() = default;
  // A text with commas is split at every comma and each piece stripped of
  // spaces at both ends; a text without is the one pattern, unstripped.
  // Every pattern must be non-empty (assertion).
  ZQF_FilterInfoStruct(const ZQ_String& Description, const ZQ_String& PatternsText, long Tag);
  ZQF_FilterInfoStruct(const ZQ_String& Description, ZQ_ReadOnlyIterator<ZQ_String> Patterns,
                       long Tag);

  bool operator==(const ZQF_FilterInfoStruct& Other) const { return Tag == Other.Tag; }

  ZQ_String Description;
  ZQ_List<ZQ_String> Patterns;
  long Tag = 0;  // chosen by the caller to recognise the filter; 0 is common
};

struct ZQF_FilterOptionsInfoStruct {
  // Appends a filter; IsDefault makes its tag the default.
  void AddFilter(const ZQ_String& Description, const ZQ_String& PatternsText, long Tag,
                 bool IsDefault);
  void AddFilter(const ZQ_String& Description, ZQ_ReadOnlyIterator<ZQ_String> Patterns, long Tag,
                 bool IsDefault);

  ZQ_List<ZQF_FilterInfoStruct> Filters;
  // The filter preselected; after a run, the one the user chose (0: none).
  long DefaultFilterTag = 0;
};

class ZQF_FileNameQueryDialogBox {
 public:
  enum { Mode_Open = 0, Mode_Save = 1 };
  // The dialog's file buffer in bytes, the terminating NUL included.
  static constexpr int FileBufferSize = 4096;

  ZQF_FileNameQueryDialogBox() = default;
  virtual ~ZQF_FileNameQueryDialogBox();

  void AddFilter(const ZQ_String& Description, const ZQ_String& PatternsText, long Tag,
                 bool IsDefault);
  void AddFilter(const ZQ_String& Description, ZQ_ReadOnlyIterator<ZQ_String> Patterns, long Tag,
                 bool IsDefault);
  void SetMode(int NewMode) { Mode = NewMode; }
  void SetFileName(const ZQ_FileName& Name) { FileName = Name; }
  // After a run: the chosen file, absolute.
  const ZQ_FileName& GetFileName() const { return FileName; }
  // Empty: "Default".
  void SetConfigurationName(const ZQ_String& Name) { ConfigurationName = Name; }
  // Opens there instead of in the remembered folder.
  void SetInitialDirectory(const ZQ_String& Directory) { InitialDirectory = Directory; }
  // Empty: the system's own title.
  void SetTitle(const ZQ_String& Text) { Title = Text; }
  const ZQ_String& GetTitle() const { return Title; }
  // Stored without a leading dot; another dot fails an assertion.
  void SetDefaultExtension(const ZQ_String& Extension);
  void SetFileMustExist(bool MustExist) { FileMustExist = MustExist; }
  void SetOverwritePrompt(bool Prompt) { OverwritePrompt = Prompt; }
  void SetNoAllFilesFilter(bool NoFilter) { NoAllFilesFilter = NoFilter; }
  long GetSelectedFilterTag() const { return FilterOptions.DefaultFilterTag; }
  const ZQF_FilterOptionsInfoStruct& GetFilterOptions() const { return FilterOptions; }

  // Shows the dialog (mode 0 open, 1 save; another mode fails an assertion)
  // and takes the chosen file, its folder and filter. A save gives a name
  // without an extension that of the chosen filter (its first pattern when
  // that is a plain extension, else the default extension) and, with the
  // overwrite prompt, asks before replacing the file so named; "No" shows
  // the dialog again. An initial name of FileBufferSize bytes or more throws
  // ZQ_Exception before anything.
  void Run();

 protected:
  // Appends "All files" ("*") unless a pattern already stands for all files.
  void AddAllFilesFilterIfNecessary();

 private:
  int Mode = Mode_Open;
  ZQ_FileName FileName;
  ZQF_FilterOptionsInfoStruct FilterOptions;
  ZQ_String ConfigurationName;
  ZQ_String InitialDirectory;
  ZQ_String Title;
  ZQ_String DefaultExtension;
  bool FileMustExist = true;
  bool OverwritePrompt = true;
  bool NoAllFilesFilter = false;
};

#endif
