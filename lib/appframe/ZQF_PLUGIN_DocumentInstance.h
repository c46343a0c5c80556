// ZQF_PLUGIN_DocumentInstance.h: one loaded document of a document program,
// bound to one file and shown by views, and the view glyph that shows it.
// An instance remembers the checksum of its content as last seen; when the
// content's checksum changes, each view is updated at the next idle moment
// (one one-time action per view and change, owned by the view, so a view
// deleted before then leaves nothing behind). A view updates only when the
// instance's checksum differs from the one it last showed. The instance
// borrows its type and its views; a view borrows its instance and the
// window border that frames it. An instance has unsaved changes while its
// content's checksum differs from the one it had when last read or saved.
// Views that write a document print it and show its print preview. UI
// thread only.
#ifndef ZQF_PLUGIN_DOCUMENTINSTANCE_H
#define ZQF_PLUGIN_DOCUMENTINSTANCE_H

#include "ZQF_ButtonImage.h"
#include "ZQF_Glyph.h"
#include "ZQ_FileName.h"
#include "ZQ_List.h"
#include "ZQ_UID.h"

class ZQFO_Document;
class ZQ_TextStreamFormatter;
class ZQF_PLUGIN_DocumentType;
class ZQF_PLUGIN_DocumentViewGlyph;
class ZQF_PLUGIN_DocumentViewType;
class ZQF_WindowBorderGlyph;

class ZQF_PLUGIN_DocumentInstance {
 public:
  explicit ZQF_PLUGIN_DocumentInstance(ZQF_PLUGIN_DocumentType* DocType);
  ZQF_PLUGIN_DocumentInstance(const ZQF_PLUGIN_DocumentInstance&) = delete;
  ZQF_PLUGIN_DocumentInstance& operator=(const ZQF_PLUGIN_DocumentInstance&) = delete;
  // Unbinds the views still bound to it.
  virtual ~ZQF_PLUGIN_DocumentInstance();

  // Asserts "aNewFileName" (not empty).
  void SetFileName(const ZQ_FileName& aNewFileName);
  const ZQ_FileName& GetFileName() const { return FileName; }
  ZQF_PLUGIN_DocumentType* GetDocType() const { return DocType; }

  // Views register and leave through ZQF_PLUGIN_DocumentViewGlyph::SetDocumentInstance.
  void AddView(ZQF_PLUGIN_DocumentViewGlyph* View);
  void RemoveView(ZQF_PLUGIN_DocumentViewGlyph* View);
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentViewGlyph*> GetViewIterator() const;

  // The checksum of the content now; the base's content never changes.
  virtual ZQ_UID ComputeChecksum() const;
  const ZQ_UID& GetChecksum() const { return Checksum; }
  // Stores a changed checksum and queues one update of every view.
  void UpdateIfChecksumChanged();
  // After a change of the content: the same.
  void NoteStateChange() { UpdateIfChecksumChanged(); }
  // Queues a full update of every view (after a rename, say).
  void QueueViewsUpdate();
  // The content was read or saved: no unsaved changes from now on.
  void NoteSaved() { SavedChecksum = ComputeChecksum(); }
  bool HasUnsavedChanges() const { return ComputeChecksum() != SavedChecksum; }
  // Makes the first view the manager's focus view.
  void MakeFocusInstance();
  // Writes the document in the document markup; the base writes a dummy
  // document of one paragraph.
  virtual void WriteDocument(ZQ_TextStreamFormatter& Out) const;

 private:
  ZQF_PLUGIN_DocumentType* DocType;
  ZQ_FileName FileName;
  ZQ_List<ZQF_PLUGIN_DocumentViewGlyph*> Views;
  ZQ_UID Checksum;
  ZQ_UID SavedChecksum;

  void QueueViewAction(void (ZQF_PLUGIN_DocumentViewGlyph::*Action)());
};

class ZQF_PLUGIN_DocumentViewGlyph : public ZQF_DrawableGlyph {
 public:
  ZQF_PLUGIN_DocumentViewGlyph() = default;
  // Drops the view's queued updates and leaves its instance.
  ~ZQF_PLUGIN_DocumentViewGlyph() override;

  // Binds (null unbinds); binding a bound view or unbinding an unbound one
  // asserts "ZQ_Xor (aDocumentInstance == NULL, DocumentInstance == NULL)".
  void SetDocumentInstance(ZQF_PLUGIN_DocumentInstance* aDocumentInstance);
  ZQF_PLUGIN_DocumentInstance* GetDocumentInstance() const { return DocumentInstance; }
  // The border whose title and bitmap show the document (borrowed; null: none).
  void SetWindowBorder(ZQF_WindowBorderGlyph* Border) { WindowBorder = Border; }
  const ZQ_UID& GetShownChecksum() const { return ShownChecksum; }
  // The view type that made the view (borrowed; null: made otherwise).
  void SetViewType(ZQF_PLUGIN_DocumentViewType* Type) { ViewType = Type; }
  ZQF_PLUGIN_DocumentViewType* GetViewType() const { return ViewType; }

  // PerformUpdate when the instance's checksum differs from the one shown.
  void PerformUpdateIfNecessary();
  // Takes the instance's checksum, retitles the border, then Update.
  void PerformUpdate();
  // Redraws the content; the base repaints the glyph.
  virtual void Update();
  // The title for the border: the document's name.
  virtual ZQ_String GetLabel();
  // The border's bitmap; an empty image leaves the border's.
  virtual ZQF_ButtonImage GetTitleBitmap();
  // The file's name without directory; empty while unbound.
  ZQ_String GetDocumentName() const;
  // A view prints what it writes: both answer CanWriteDocument.
  virtual bool CanPrint() { return CanWriteDocument(); }
  virtual bool CanPrintPreview() { return CanWriteDocument(); }
  // A view that cannot be closed now answers false (the close is refused).
  virtual bool CanBeClosed() { return true; }
  // A view that can write its content as a document answers true and
  // derives WriteDocument; the base writes nothing.
  virtual bool CanWriteDocument() { return false; }
  virtual void WriteDocument(ZQ_TextStreamFormatter& Out);
  // The document WriteDocument writes (asserts "CanWriteDocument()"); its
  // callers include ZQFO_Document.h, which this header leaves to them.
  ZQFO_Document GenerateDocument();
  // Print and preview the generated document (assert "CanPrint()" and
  // "CanPrintPreview()"); throw ZQ_Exception when printing fails.
  void HandlePrintRequest();
  void HandlePrintPreviewRequest();
  // Rebinds the view to the document of FileName, read or made by the manager.
  void BindToNewFile(const ZQ_FileName& FileName);

  // Print and Print Preview, enabled by CanPrint and CanPrintPreview.
  void HandleCommand(ZQF_CommandMessage& Message, bool SecondTry) override;
  void HandleUpdate(ZQF_UpdateMessage& Message, bool SecondTry) override;

  // The key the view's queued actions carry.
  unsigned long GetActionOwnerKey() const;

 private:
  ZQF_PLUGIN_DocumentInstance* DocumentInstance = nullptr;
  ZQF_WindowBorderGlyph* WindowBorder = nullptr;
  ZQF_PLUGIN_DocumentViewType* ViewType = nullptr;
  ZQ_UID ShownChecksum;
};

#endif
