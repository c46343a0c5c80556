// The document manager's requests on real files in a scratch folder:
// opening by file type, extension and redirection, new documents under
// default names, saving, closing with the save question, the File menu
// items and their commands, and the message and question boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "../gui/dialogs/DialogTestSupport.h"
#include "ZQF_DialogBox.h"
#include "ZQF_MenuElement.h"
#include "ZQF_PLUGIN_AppMainMenu.h"
#include "ZQF_PLUGIN_DocumentInstance.h"
#include "ZQF_PLUGIN_DocumentManagerGlyph.h"
#include "ZQF_PLUGIN_DocumentType.h"
#include "ZQF_SecondaryWindow.h"
#include "ZQF_SelectableMenuElement.h"
#include "ZQLOW_COMMDLG.h"
#include "ZQLOW_WINUSER.h"
#include "ZQLOW_WIN_FakeCall.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_FileUtils.h"
#include "ZQ_TextOutputFileStream.h"

namespace {

using Manager = ZQF_PLUGIN_DocumentManagerGlyph;

// A text document: its content is its file's text.
class TextInstance : public ZQF_PLUGIN_DocumentInstance {
 public:
  using ZQF_PLUGIN_DocumentInstance::ZQF_PLUGIN_DocumentInstance;
  ZQ_UID ComputeChecksum() const override {
    return ZQ_UID(Text.GetHash(), static_cast<unsigned long>(Text.GetLength()), 0, 0);
  }
  ZQ_String Text;
};

class TextReader : public ZQF_PLUGIN_DocumentReadFilter {
  void ReadDocument(ZQF_PLUGIN_DocumentInstance& Instance, const ZQ_FileName& Name) override {
    static_cast<TextInstance&>(Instance).Text = ZQ_LoadFileIntoString(Name);
  }
};

class TextViewType : public ZQF_PLUGIN_DocumentViewType {
  void WriteDocument(const ZQF_PLUGIN_DocumentInstance& Instance,
                     ZQ_TextStreamFormatter& Out) override {
    Out << static_cast<const TextInstance&>(Instance).Text;
  }
};

class TextType : public ZQF_PLUGIN_DocumentType {
 public:
  TextType(const char* Name, const char* Patterns) : Name(Name) {
    auto* reader = new TextReader;
    reader->AddInformation(Patterns, "Files");
    AddReadFilter(reader);
    SetDefaultReadFilter(reader);
    AddViewType(new TextViewType);
  }
  ZQF_PLUGIN_DocumentInstance* CreateDocumentInstance() override { return new TextInstance(this); }
  ZQ_String GetName() const override { return Name; }
  const char* Name;
};

// Two types, "text" (txt) and "report" (rep, and htm handed to "text");
// messages and the save question are recorded instead of shown.
class RecordingManager : public Manager {
 public:
  RecordingManager() : Text(new TextType("text", "txt")), Report(new TextType("report", "rep")) {
    auto* redirect = new ZQF_PLUGIN_DocumentReadRedirectionFilter(Text);
    redirect->AddInformation("htm", "Web pages");
    Report->AddReadRedirectionFilter(redirect);
    AddDocumentType(Text);
    AddDocumentType(Report);
  }
  SaveAnswer QueryUserForSave(ZQF_PLUGIN_DocumentInstance*) override {
    ++NumQuestions;
    return Answer;
  }
  TextInstance* Focus() const {
    return GetFocusView() ? static_cast<TextInstance*>(GetFocusView()->GetDocumentInstance())
                          : nullptr;
  }
  std::string Shown;  // the short names of the messages, "|" after each
  std::string LastText;
  TextType* Text;
  TextType* Report;
  SaveAnswer Answer = SaveAnswer_Cancel;
  int NumQuestions = 0;

 protected:
  void ShowMessageBox(const ZQ_String& Text, const ZQ_String& ShortName) override {
    Shown += std::string(ShortName.GetText()) + "|";
    LastText = Text.GetText();
  }
};

// Each test works in a scratch folder of its own, the current directory.
class DocumentRequests : public GuiStageTest {
 protected:
  void SetUp() override {
    GuiStageTest::SetUp();
    previous = ZQ_FileUtils::GetCurrentDirectoryA();
    folder = ZQ_FileUtils::GetTemporaryFileName("doc", "", ZQ_FileUtils::GetTemporaryDirectory())
                 .GetPathName();
    ZQ_FileUtils::SafeCreateDirectory(folder);
    ZQ_FileUtils::SetCurrentDirectoryA(folder);
  }
  void TearDown() override {
    ZQ_FileUtils::SetCurrentDirectoryA(previous);
    ZQ_FileUtils::DeleteTree(folder, 1);
    GuiStageTest::TearDown();
  }
  static std::string Read(const char* Name) {
    return ZQ_FileUtils::FileExists(Name) ? ZQ_LoadFileIntoString(Name).GetText() : "(none)";
  }
  // The dialogs answer Name (relative to the scratch folder), or cancel.
  static ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetOpenFileNameA> OpenAnswers(const char* Name) {
    return ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetOpenFileNameA>([Name](OPENFILENAMEA* R) {
      std::strcpy(R->lpstrFile, Name);
      return TRUE;
    });
  }
  static ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetSaveFileNameA> SaveAnswers(const char* Name) {
    return ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::GetSaveFileNameA>([Name](OPENFILENAMEA* R) {
      if (!*Name) return FALSE;
      std::strcpy(R->lpstrFile, Name);
      return TRUE;
    });
  }

 private:
  ZQ_String previous, folder;
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::GetFocus> focus{
      [] { return reinterpret_cast<HWND>(0x1234); }};
  const ZQLOW_WIN_FakeCall<&ZQLOW_COMMDLG::Calls::CommDlgExtendedError> cancelled{
      ZQLOW_WIN_Answer(DWORD(0), 0)};
  // Saving over an existing file asks first: yes.
  const ZQLOW_WIN_FakeCall<&ZQLOW_WINUSER::Calls::MessageBoxA> replace{
      [](HWND, LPCSTR, LPCSTR, UINT) { return IDYES; }};
};

TEST_F(DocumentRequests, OpenFindsTheReaderByTypeExtensionAndRedirection) {
  ZQ_SaveStringAsFile("plain text", "a.txt");
  ZQ_SaveStringAsFile("<p>page</p>", "b.htm");
  ZQ_SaveStringAsFile("?", "c.xyz");
  const struct {
    const char* why;
    const char* file;
    bool asReport;  // else any type
    const char* shown;
    const char* type;  // of the focus document afterwards
    const char* text;
  } kCases[] = {
      {"by extension", "a.txt", false, "", "text", "plain text"},
      {"redirected to the text type", "b.htm", true, "", "text", "<p>page</p>"},
      {"a text file opened as a report", "a.txt", true, "File has unexpected format|", "", ""},
      {"an unknown extension", "c.xyz", false, "File has unrecognized format|", "", ""},
      {"a missing file", "d.txt", false, "File does not exist|", "", ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    RecordingManager manager;
    const auto open = OpenAnswers(c.file);
    EXPECT_EQ(manager.HandleOpenRequest(c.asReport ? manager.Report : nullptr), !*c.shown);
    EXPECT_EQ(manager.Shown, c.shown);
    ASSERT_EQ(manager.Focus() != nullptr, !!*c.type);
    if (!manager.Focus()) continue;
    EXPECT_EQ(manager.Focus()->GetDocType()->GetName(), c.type);
    EXPECT_EQ(manager.Focus()->Text, c.text);
    EXPECT_FALSE(manager.Focus()->HasUnsavedChanges());
    // Opening it again brings the loaded document forward.
    EXPECT_TRUE(manager.LoadCommandLineDocument(c.file));
    EXPECT_EQ(manager.GetDocumentInstanceIterator().GetCurrent(), manager.Focus());
    EXPECT_EQ(manager.Shown, c.shown);
  }
}

TEST_F(DocumentRequests, NewDocumentsTakeFreeDefaultNamesUntilSavedUnderAnother) {
  ZQ_SaveStringAsFile("taken", "Text1.txt");
  RecordingManager manager;
  ASSERT_TRUE(manager.HandleNewRequest());
  ASSERT_TRUE(manager.HandleNewRequest(manager.Text));
  TextInstance* second = manager.Focus();
  EXPECT_EQ(second->GetFileName().GetFileName(), "Text3.txt");
  EXPECT_TRUE(manager.IsDefaultFileName(second->GetFileName()));
  EXPECT_EQ(manager.MakeFilenameUnique("Text1.txt").GetFileName(), "Text12.txt");
  EXPECT_EQ(manager.MakeFilenameUnique("free.txt").GetFileName(), "free.txt");
  // Save on a default name asks for one; the views are retitled at idle time.
  second->Text = "written";
  const auto save = SaveAnswers("chosen.txt");
  ASSERT_TRUE(manager.HandleSaveRequest(second));
  EXPECT_EQ(Read("chosen.txt"), "written");
  EXPECT_EQ(Read("Text3.txt"), "(none)");
  EXPECT_FALSE(manager.IsDefaultFileName(second->GetFileName()));
  RunIdleActions();
  EXPECT_EQ(manager.GetFocusView()->GetLabel(), "chosen.txt");
  EXPECT_EQ(manager.Shown, "");
  // Views are found by the type that made them.
  ZQF_PLUGIN_DocumentViewType other;
  EXPECT_EQ(manager.GetDocumentView(second, manager.Text->GetDefaultViewType()),
            manager.GetFocusView());
  EXPECT_EQ(manager.GetDocumentView(second, &other), nullptr);
  EXPECT_EQ(manager.Shown, "View does not exist|");
}

TEST_F(DocumentRequests, SaveAsRefusesTakenNamesAndReportsWriteFailures) {
  const struct {
    const char* why;
    const char* target;  // "": the dialog is cancelled
    const char* shown;   // "*": the file system's failure, shown as it is
    bool saved;
  } kCases[] = {
      {"a new name", "renamed.txt", "", true},
      {"the document's own name", "mine.txt", "", true},
      {"another open document's name", "other.txt", "Cannot perform \"Save As\" operation|", false},
      {"a folder that does not exist", "no\\such\\folder.txt", "*", false},
      {"cancelled", "", "", false},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_SaveStringAsFile("mine", "mine.txt");
    ZQ_SaveStringAsFile("other", "other.txt");
    RecordingManager manager;
    ASSERT_TRUE(manager.LoadCommandLineDocument("other.txt"));
    ASSERT_TRUE(manager.LoadCommandLineDocument("mine.txt"));
    TextInstance* mine = manager.Focus();
    mine->Text = "changed";
    const auto save = SaveAnswers(c.target);
    EXPECT_EQ(manager.HandleSaveAsRequest(mine), c.saved);
    if (*c.shown == '*') {
      EXPECT_NE(manager.Shown, "");
    } else {
      EXPECT_EQ(manager.Shown, c.shown);
    }
    EXPECT_EQ(mine->HasUnsavedChanges(), !c.saved);
    EXPECT_EQ(Read("other.txt"), "other");
    if (c.saved) {
      EXPECT_EQ(Read(c.target), "changed");
    }
  }
}

TEST_F(DocumentRequests, ClosingAsksOnlyAboutUnsavedChanges) {
  using Answer = Manager::SaveAnswer;
  const struct {
    const char* why;
    bool change;
    Answer answer;
    int questions;
    bool closed;
    const char* file;
  } kCases[] = {
      {"unchanged: closed without a question", false, Manager::SaveAnswer_Cancel, 0, true, "old"},
      {"changed, cancelled: stays", true, Manager::SaveAnswer_Cancel, 1, false, "old"},
      {"changed, not saved: closed", true, Manager::SaveAnswer_Discard, 1, true, "old"},
      {"changed, saved: written, closed", true, Manager::SaveAnswer_Save, 1, true, "new"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_SaveStringAsFile("old", "doc.txt");
    RecordingManager manager;
    manager.Answer = c.answer;
    ASSERT_TRUE(manager.LoadCommandLineDocument("doc.txt"));
    TextInstance* doc = manager.Focus();
    if (c.change) doc->Text = "new";
    // A second view closes alone; the last one closes the document.
    ZQF_PLUGIN_DocumentViewGlyph* first = manager.GetFocusView();
    manager.AddNewView(doc);
    EXPECT_TRUE(manager.HandleCloseViewRequest(manager.GetFocusView()));
    EXPECT_EQ(manager.GetFocusView(), first);
    EXPECT_EQ(manager.HandleCloseViewRequest(first), c.closed);
    EXPECT_EQ(manager.NumQuestions, c.questions);
    EXPECT_EQ(manager.GetDocumentInstanceIterator().IsValid(), !c.closed);
    EXPECT_EQ(manager.GetFocusView() == nullptr, c.closed);
    EXPECT_EQ(Read("doc.txt"), c.file);
  }
}

TEST_F(DocumentRequests, AViewBoundToAnotherFileLetsTheOldDocumentGoOnlyIfItMay) {
  const struct {
    const char* why;
    bool change;
    const char* shown;  // the view's document afterwards
    long loaded;
  } kCases[] = {
      {"unchanged: the old document closes", false, "second", 1},
      {"changed, close cancelled: back to the old one, nothing else loaded", true, "first", 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_SaveStringAsFile("first", "first.txt");
    ZQ_SaveStringAsFile("second", "second.txt");
    RecordingManager manager;
    ASSERT_TRUE(manager.LoadCommandLineDocument("first.txt"));
    if (c.change) manager.Focus()->Text = "edited";
    ZQF_PLUGIN_DocumentViewGlyph* view = manager.GetFocusView();
    view->BindToNewFile("second.txt");
    EXPECT_EQ(std::string(view->GetDocumentName().GetText()), std::string(c.shown) + ".txt");
    EXPECT_EQ(manager.GetDocumentInstanceIterator().GetCurrent(), view->GetDocumentInstance());
    long loaded = 0;
    for (auto i = manager.GetDocumentInstanceIterator(); i.IsValid(); i.Advance()) ++loaded;
    EXPECT_EQ(loaded, c.loaded);
    EXPECT_EQ(manager.Shown, "");
  }
}

ZQ_String Labels(ZQF_MenuElement* Section) {
  ZQ_String labels;
  for (ZQF_MenuElement* e = Section->GetFirstChild(); e; e = e->GetNextSibling())
    if (auto* item = dynamic_cast<ZQF_StandardTextMenuElement*>(e)) labels += item->GetText() + "|";
  return labels;
}

TEST_F(DocumentRequests, FileMenuItemsSendCommandsEnabledByTheDocuments) {
  RecordingManager manager;
  ZQF_PLUGIN_AppMainMenu menu;
  menu.Init_Build();
  manager.Init_InitializeMainMenuLinks(menu);
  EXPECT_EQ(Labels(menu.GetSection(ZQF_PLUGIN_AppMainMenu::MenuSection_FileFirst)),
            "&New|&Open|&Close|");
  EXPECT_EQ(Labels(menu.GetSection(ZQF_PLUGIN_AppMainMenu::MenuSection_FileSecond)),
            "&Save|Save &As|");
  auto enabled = [&manager](auto Update) {
    manager.HandleUpdate(Update, false);
    return Update.IsAvailable();
  };
  EXPECT_TRUE(enabled(ZQF_PLUGIN_DocumentNewCommandUpdateMessage()));
  EXPECT_FALSE(enabled(ZQF_PLUGIN_DocumentSaveCommandUpdateMessage()));
  EXPECT_FALSE(enabled(ZQF_PLUGIN_DocumentCloseAllCommandUpdateMessage()));
  ZQF_PLUGIN_DocumentNewCommandMessage make;
  manager.HandleCommand(make, false);
  ASSERT_NE(manager.Focus(), nullptr);
  EXPECT_TRUE(enabled(ZQF_PLUGIN_DocumentSaveAsCommandUpdateMessage()));
  EXPECT_TRUE(enabled(ZQF_PLUGIN_DocumentSaveAllCommandUpdateMessage()));
  ZQF_PLUGIN_DocumentCloseCommandMessage close;
  manager.HandleCommand(close, false);
  EXPECT_EQ(manager.Focus(), nullptr);
  EXPECT_TRUE(close.IsHandled());
}

class DocumentBoxes : public WindowTest {
 protected:
  // The open box's dialog (it has the focus).
  static ZQF_DialogBox* OpenBox() {
    ZQF_Window* window = ZQF_Window::GetWindowFromHandle(::GetFocus());
    auto* top =
        window ? dynamic_cast<DialogBoxTopLevelGlyph*>(window->GetTopLevelGlyph()) : nullptr;
    return top ? top->GetDialog() : nullptr;
  }
  static HWND OpenBoxWindow() { return OpenBox()->GetWindow()->GetWindowHandle(); }
};

TEST_F(DocumentBoxes, TheSaveQuestionOffersYesNoAndCancel) {
  const struct {
    const char* why;
    UINT key;
    char character;
    Manager::SaveAnswer answer;
  } kCases[] = {
      {"Enter: Yes", VK_RETURN, 0, Manager::SaveAnswer_Save},
      {"N: No", 'N', 'n', Manager::SaveAnswer_Discard},
      {"Escape: Cancel", VK_ESCAPE, 0, Manager::SaveAnswer_Cancel},
  };
  Manager manager;
  auto* type = new ZQF_PLUGIN_DocumentType;
  manager.AddDocumentType(type);
  auto* doc = new ZQF_PLUGIN_DocumentInstance(type);
  doc->SetFileName("C:\\reports\\July summary.txt");
  manager.AddDocumentInstance(doc);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    IdleStep::Queue([&c] {
      if (c.key == VK_RETURN) SaveScreenshot(OpenBoxWindow(), "document-save-question");
      PressKey(OpenBoxWindow(), c.key, c.character);
    });
    EXPECT_EQ(manager.QueryUserForSave(doc), c.answer);
  }
  // A message: an error box titled by its short name, its text filled.
  IdleStep::Queue([] {
    EXPECT_EQ(OpenBox()->GetTitle(), "File does not exist");
    SaveScreenshot(OpenBoxWindow(), "document-message");
    PressKey(OpenBoxWindow(), VK_RETURN);
  });
  manager.ShowMessage(Manager::Message_FileDoesNotExist, "C:\\gone.txt");
}

}  // namespace
