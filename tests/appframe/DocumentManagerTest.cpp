// The document-manager framework: the open dialog's filters, the save-as
// run, deferred view updates on checksum changes, the fatal-error report's
// section, the dummy document and the asserted invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "../gui/core/GuiStageTestSupport.h"
#include "ZQFO_Document.h"
#include "ZQF_ActionQueue.h"
#include "ZQF_FileNameQueryDialogBox.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_PLUGIN_DocumentInstance.h"
#include "ZQF_PLUGIN_DocumentManagerGlyph.h"
#include "ZQF_PLUGIN_DocumentType.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_StringStream.h"

namespace {

using Manager = ZQF_PLUGIN_DocumentManagerGlyph;
using ReadFilter = ZQF_PLUGIN_DocumentReadFilter;

class NamedType : public ZQF_PLUGIN_DocumentType {
 public:
  explicit NamedType(const char* Name) : Name(Name) {}
  ZQ_String GetName() const override { return Name; }
  const char* Name;
};

ReadFilter* FilterOf(std::vector<std::pair<const char*, const char*>> Kinds) {
  auto* filter = new ReadFilter;
  for (const auto& kind : Kinds) filter->AddInformation(kind.first, kind.second);
  return filter;
}

// "description: patterns" of each dialog filter, "*" marking the default.
std::vector<std::string> DialogFilters(const ZQF_FileNameQueryDialogBox& Dialog) {
  std::vector<std::string> texts;
  const ZQF_FilterOptionsInfoStruct& options = Dialog.GetFilterOptions();
  for (auto f = options.Filters.GetIterator(); f.IsValid(); f.Advance()) {
    std::string text = f.GetCurrent().Description.GetText();
    text += f.GetCurrent().Tag == options.DefaultFilterTag ? "*:" : ":";
    std::vector<std::string> patterns;
    for (auto p = f.GetCurrent().Patterns.GetIterator(); p.IsValid(); p.Advance())
      patterns.push_back(p.GetCurrent().GetText());
    std::sort(patterns.begin(), patterns.end());  // the set's keys come in hash order
    for (const std::string& p : patterns) text += " " + p;
    texts.push_back(text);
  }
  return texts;
}

// The file dialog's owner: this test program has no main window, whose
// absence the library would report with a message box.
class DocumentManager : public GuiStageTest {
 private:
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::GetFocus> focus{
      [] { return reinterpret_cast<HWND>(0x1234); }};
};

TEST_F(DocumentManager, OpenDialogFiltersCollectEveryPatternOnce) {
  const struct {
    const char* why;
    bool withFilters;
    int type;  // -1: every type
    const char* selected;
    std::vector<std::string> filters;
    const char* title;
  } kCases[] = {
      {"every type: shared pattern once, each kind its own filter", true, -1, "Text files",
       {"All recognized file types: htm html txt", "Web pages: htm html", "Text files*: txt",
        "Web pages: htm", "All files: *"},
       "Open File"},
      {"one type, titled by its name", true, 1, "All files",
       {"All recognized file types: htm", "Web pages: htm", "All files*: *"}, "Open Report"},
      {"no read filters: All files alone, no default", false, -1, "Nothing",
       {"All files: *"}, "Open File"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    Manager manager;
    auto* text = new NamedType("text document");
    auto* report = new NamedType("report");
    if (c.withFilters) {
      text->AddReadFilter(FilterOf({{"htm,html", "Web pages"}, {"txt", "Text files"}}));
      report->AddReadRedirectionFilter(new ZQF_PLUGIN_DocumentReadRedirectionFilter(text));
      report->AddReadFilter(FilterOf({{"htm", "Web pages"}}));
    }
    manager.AddDocumentType(text);
    manager.AddDocumentType(report);
    ZQF_FileNameQueryDialogBox dialog;
    ZQ_List<Manager::OpenFilterEntry> entries;
    entries.Append(Manager::OpenFilterEntry{"stale", nullptr});
    manager.BuildOpenFileFilters(c.type < 0 ? nullptr : report, dialog, c.selected, entries);
    EXPECT_EQ(DialogFilters(dialog), c.filters);
    EXPECT_EQ(entries.GetNumElements(), static_cast<long>(c.filters.size()));
    // Each tag is its entry; collective filters have no read filter.
    auto f = dialog.GetFilterOptions().Filters.GetIterator();
    for (auto e = entries.GetIterator(); e.IsValid() && f.IsValid(); e.Advance(), f.Advance()) {
      EXPECT_EQ(f.GetCurrent().Tag, static_cast<long>(reinterpret_cast<intptr_t>(&e.GetCurrent())));
      EXPECT_EQ(e.GetCurrent().Filter == nullptr,
                e.GetCurrent().Description == "All files" ||
                    e.GetCurrent().Description == "All recognized file types");
    }
    EXPECT_EQ(dialog.GetTitle(), c.title);
  }
}

TEST_F(DocumentManager, CancelledSaveAsReturnsFalse) {
  for (bool cancel : {true, false}) {
    SCOPED_TRACE(cancel ? "cancelled" : "chosen");
    const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetSaveFileNameA> save(
        [cancel](OPENFILENAMEA* R) {
          strcpy(R->lpstrFile, "C:\\saved.txt");
          return cancel ? FALSE : TRUE;
        });
    const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::CommDlgExtendedError> error(
        ZQLOW_WIN_Answer(DWORD(0), 0));
    ZQF_FileNameQueryDialogBox dialog;
    dialog.SetMode(ZQF_FileNameQueryDialogBox::Mode_Save);
    EXPECT_EQ(Manager::RunSaveAsDialog(dialog), !cancel);
  }
}

class ChangingInstance : public ZQF_PLUGIN_DocumentInstance {
 public:
  using ZQF_PLUGIN_DocumentInstance::ZQF_PLUGIN_DocumentInstance;
  ZQ_UID ComputeChecksum() const override { return ZQ_UID(Version, 0, 0, 0); }
  unsigned long Version = 0;
};

class CountingView : public ZQF_PLUGIN_DocumentViewGlyph {
 public:
  void Update() override { ++NumUpdates; }
  int NumUpdates = 0;
};

TEST_F(DocumentManager, ChangesUpdateEachViewOnceAtIdleTime) {
  const struct {
    const char* why;
    int changes;
    bool deleteSecondView;
    long queued;
    int updates;
  } kCases[] = {
      {"no change queues nothing", 0, false, 0, 0},
      {"one change: one action per view", 1, false, 2, 1},
      {"two changes: two actions per view, one update", 2, false, 4, 1},
      {"a view deleted before idle time leaves nothing to run", 2, true, 4, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    NamedType type("document");
    ChangingInstance instance(&type);
    instance.SetFileName(ZQ_FileName("C:\\docs\\a.txt"));
    CountingView first;
    auto* second = new CountingView;
    first.SetDocumentInstance(&instance);
    second->SetDocumentInstance(&instance);
    RunIdleActions();
    const long before = ZQF_ActionQueue::GetNumEntries();
    for (int i = 0; i < c.changes; ++i) {
      ++instance.Version;
      instance.UpdateIfChecksumChanged();
    }
    EXPECT_EQ(ZQF_ActionQueue::GetNumEntries() - before, c.queued);
    if (c.deleteSecondView) {
      delete second;
      second = nullptr;
    }
    RunIdleActions();
    EXPECT_EQ(first.NumUpdates, c.updates);
    EXPECT_EQ(first.GetShownChecksum(), instance.GetChecksum());
    if (second) {
      EXPECT_EQ(second->NumUpdates, c.updates);
    }
    EXPECT_EQ(first.GetDocumentName(), "a.txt");
    delete second;
  }
}

TEST_F(DocumentManager, ReportSectionListsTheLoadedDocuments) {
  ZQ_StringStream none(0);
  Manager::WriteDebugDump(none);
  EXPECT_EQ(none, "");
  Manager manager;
  auto* type = new NamedType("document");
  manager.AddDocumentType(type);
  for (const char* name : {"C:\\docs\\plain.txt", "C:\\docs\\with blank.txt"}) {
    auto* instance = new ZQF_PLUGIN_DocumentInstance(type);
    instance->SetFileName(ZQ_FileName(name));
    manager.AddDocumentInstance(instance);
  }
  ZQ_StringStream dump(0);
  Manager::WriteDebugDump(dump);
  EXPECT_EQ(dump,
            "\nLoaded Documents:\n"
            "\n    Document 1\n"
            "        Display Name = plain.txt\n"
            "        File Name    = \"C:\\docs\\plain.txt\"\n"
            "\n    Document 2\n"
            "        Display Name = \"with blank.txt\"\n"
            "        File Name    = \"C:\\docs\\with blank.txt\"\n"
            "\n");
}

TEST(DocumentInstance, BaseWritesTheDummyDocument) {
  NamedType type("document");
  ZQF_PLUGIN_DocumentInstance instance(&type);
  ZQ_StringStream markup(0);
  instance.WriteDocument(markup);
  EXPECT_EQ(markup,
            "<zqfo_document><zqfo_section><zqfo_blockstream><zqfo_para>Dummy document generated "
            "by ZQF_PLUGIN_DocumentInstance::WriteDocument.</zqfo_para></zqfo_blockstream>"
            "</zqfo_section></zqfo_document>");
  ZQFO_DocumentStream stream;
  stream << markup;
  EXPECT_NO_THROW(stream.GetDocument());
}

TEST_F(DocumentManager, MisuseFailsItsAssertions) {
  Manager manager;
  NamedType type("document");
  NamedType other("other");
  ZQF_PLUGIN_DocumentInstance instance(&type);
  CountingView view;
  view.SetDocumentInstance(&instance);
  ReadFilter foreign;
  ZQF_PLUGIN_DocumentReadRedirectionFilter redirect(&type);
  ZQF_PLUGIN_DocumentViewType viewType;
  const struct {
    const char* why;
    std::function<void()> statement;
    const char* condition;
  } kCases[] = {
      {"a second manager", [] { Manager second; }, "DocumentManagerInstance == NULL"},
      {"a view bound again", [&] { view.SetDocumentInstance(&instance); },
       "ZQ_Xor (aDocumentInstance == NULL, DocumentInstance == NULL)"},
      {"a default filter of another type", [&] { type.SetDefaultReadFilter(&foreign); },
       "ContainsReadFilter (aDefaultReadFilter)"},
      {"an empty file name", [&] { instance.SetFileName(ZQ_FileName()); }, "aNewFileName"},
      {"redirection to another type", [&] { redirect.CheckRedirectsTo(&other); },
       "DocType == RedirectDocType"},
      {"no type for the default", [&] { manager.GetDefaultDocumentType(); }, "Head != NULL"},
      {"the New items without a type",
       [&] {
         ZQF_PLUGIN_AppMainMenu menu;
         menu.Init_Build();
         manager.Init_AddFile_NewMenuSection(menu);
       },
       "NumDocumentTypes > 0"},
      {"a default name without extension", [&] { manager.CreateDefaultFileName("x", ""); },
       "Extension.GetLength() > 0"},
      {"a view type of another document type", [&] { manager.AddNewView(&instance, &viewType); },
       "DocInstance->GetDocType()->ContainsWriteFilter (DocViewType)"},
      {"saving a document the manager does not hold", [&] { manager.HandleSaveRequest(&instance); },
       "ContainsDocumentInstance (DocInstance)"},
      {"rebinding a view of such a document",
       [&] { manager.BindViewToNewDocument(&view, "C:\\other.txt"); },
       "ContainsDocumentInstance (OldDocInstance)"},
      {"a document from a view that writes none", [&] { view.GenerateDocument(); },
       "CanWriteDocument()"},
      {"printing a view that cannot print", [&] { view.HandlePrintRequest(); }, "CanPrint()"},
      {"a second instance for a loaded file",
       [&] {
         auto* loaded = new NamedType("loaded");
         manager.AddDocumentType(loaded);
         auto* first = new ZQF_PLUGIN_DocumentInstance(loaded);
         first->SetFileName("C:\\one.txt");
         manager.AddDocumentInstance(first);
         manager.Util_GetNewDocumentInstance(loaded, "C:\\one.txt", nullptr, true);
       },
       "not Util_DoesDocumentInstanceExist (FileName)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(FailedOn(AssertionFailureOf(c.statement), c.condition));
  }
}

// A view that writes a document prints it: the request opens the print
// dialog (cancelled here, which cancels the command).
TEST_F(DocumentManager, AViewThatWritesADocumentPrintsIt) {
  class PrintableView : public ZQF_PLUGIN_DocumentViewGlyph {
    bool CanWriteDocument() override { return true; }
    void WriteDocument(ZQ_TextStreamFormatter& Out) override {
      NamedType type("document");
      ZQF_PLUGIN_DocumentInstance(&type).WriteDocument(Out);
    }
  } view;
  int dialogs = 0;
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::PrintDlgA> dialog([&](PRINTDLGA*) {
    ++dialogs;
    return FALSE;  // CommDlgExtendedError 0: cancelled
  });
  EXPECT_TRUE(view.CanPrint());
  EXPECT_THROW(view.HandlePrintRequest(), ZQ_CancelCurrentOperationException);
  EXPECT_EQ(dialogs, 1);
}

}  // namespace
