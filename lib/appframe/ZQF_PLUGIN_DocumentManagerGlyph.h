// ZQF_PLUGIN_DocumentManagerGlyph.h: the one document manager of a document
// program: it owns the document types and the loaded document instances
// (deleted with it), fills the open dialog's file-type filters from the
// types' read filters, runs the save-as dialog, and writes the loaded
// documents into the fatal-error report (a section registered by this unit,
// empty while no manager exists). The File menu's requests are not handled
// yet. UI thread only.
#ifndef ZQF_PLUGIN_DOCUMENTMANAGERGLYPH_H
#define ZQF_PLUGIN_DOCUMENTMANAGERGLYPH_H

#include "ZQF_Glyph.h"
#include "ZQ_Iterator.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

class ZQ_TextStreamFormatter;
class ZQF_FileNameQueryDialogBox;
class ZQF_PLUGIN_DocumentInstance;
class ZQF_PLUGIN_DocumentReadFilter;
class ZQF_PLUGIN_DocumentType;

class ZQF_PLUGIN_DocumentManagerGlyph : public ZQF_OrganizationalGlyph {
 public:
  // One filter of the open dialog: its description and the read (or
  // read-redirection) filter behind it, null for the collective ones.
  struct OpenFilterEntry {
    ZQ_String Description;
    const ZQF_PLUGIN_DocumentReadFilter* Filter = nullptr;
  };

  // Records the program's one manager (asserts "DocumentManagerInstance == NULL").
  ZQF_PLUGIN_DocumentManagerGlyph();
  ~ZQF_PLUGIN_DocumentManagerGlyph() override;
  static ZQF_PLUGIN_DocumentManagerGlyph* GetInstance();

  // Takes the type over and becomes its manager.
  void AddDocumentType(ZQF_PLUGIN_DocumentType* DocType);
  // Takes the instance over.
  void AddDocumentInstance(ZQF_PLUGIN_DocumentInstance* Instance);
  // Deletes the instance, which must be one of the manager's (assertions).
  void RemoveDocumentInstance(ZQF_PLUGIN_DocumentInstance* Instance);
  bool ContainsDocumentInstance(const ZQF_PLUGIN_DocumentInstance* Instance) const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentType*> GetDocumentTypeIterator() const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentInstance*> GetDocumentInstanceIterator() const;
  // The first type (asserts "Head != NULL").
  ZQF_PLUGIN_DocumentType* GetDefaultDocumentType() const;

  // Fills Dialog for opening a document of DocType (null: of any type):
  // "All recognized file types" when any pattern is offered, one filter per
  // file kind of each read and read-redirection filter, then "All files";
  // the filter described by SelectedDescription is the default. Entries
  // receives one entry per filter, in order; each filter's tag is its entry.
  void BuildOpenFileFilters(ZQF_PLUGIN_DocumentType* DocType, ZQF_FileNameQueryDialogBox& Dialog,
                            const ZQ_String& SelectedDescription,
                            ZQ_List<OpenFilterEntry>& Entries);
  // Runs Dialog: true when a name was chosen, false when cancelled.
  static bool RunSaveAsDialog(ZQF_FileNameQueryDialogBox& Dialog);

  // The fatal-error report's section: the loaded documents, or nothing
  // while no manager exists.
  static void WriteDebugDump(ZQ_TextStreamFormatter& Out);

 private:
  ZQ_List<ZQF_PLUGIN_DocumentType*> DocumentTypes;
  ZQ_List<ZQF_PLUGIN_DocumentInstance*> DocumentInstances;
};

#endif
