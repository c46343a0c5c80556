// ZQF_PLUGIN_DocumentType.h: one kind of document of a document program: its
// read filters (each offering file kinds, a pattern text and a description
// for the open dialog, and reading a file into a new instance),
// read-redirection filters (which hand a file to another document type),
// write filters, view types (write filters that also make views of an
// instance), default filters, and the texts that name it. The type owns its
// filters and view types (deleted with it) and borrows its document manager. Misuse fails
// assertions. UI thread only.
#ifndef ZQF_PLUGIN_DOCUMENTTYPE_H
#define ZQF_PLUGIN_DOCUMENTTYPE_H

#include "ZQ_Iterator.h"
#include "ZQ_List.h"
#include "ZQ_String.h"

class ZQ_FileName;
class ZQ_TextStreamFormatter;
class ZQF_PLUGIN_DocumentInstance;
class ZQF_PLUGIN_DocumentManagerGlyph;
class ZQF_PLUGIN_DocumentType;
class ZQF_PLUGIN_DocumentViewGlyph;

class ZQF_PLUGIN_DocumentReadFilter {
 public:
  // One file kind: its patterns ("htm,html") and the open dialog's text.
  struct InformationType {
    ZQ_String Patterns;
    ZQ_String Description;
  };

  virtual ~ZQF_PLUGIN_DocumentReadFilter();
  void AddInformation(const ZQ_String& Patterns, const ZQ_String& Description);
  ZQ_ReadOnlyIterator<InformationType> GetInformationIterator() const;
  // True when a file kind's patterns name Extension ("txt" or ".txt"),
  // ignoring case; "*" patterns name no extension.
  bool OffersExtension(const ZQ_String& Extension) const;
  // Reads the file into Instance, new and empty; throws ZQ_Exception when it
  // cannot. The base reads nothing.
  virtual void ReadDocument(ZQF_PLUGIN_DocumentInstance& Instance, const ZQ_FileName& FileName);

 private:
  ZQ_List<InformationType> Information;
};

// Reads a file for another document type (RedirectDocType, borrowed).
class ZQF_PLUGIN_DocumentReadRedirectionFilter : public ZQF_PLUGIN_DocumentReadFilter {
 public:
  explicit ZQF_PLUGIN_DocumentReadRedirectionFilter(ZQF_PLUGIN_DocumentType* RedirectDocType)
      : RedirectDocType(RedirectDocType) {}
  ZQF_PLUGIN_DocumentType* GetRedirectDocumentType() const { return RedirectDocType; }
  // Asserts "DocType == RedirectDocType".
  void CheckRedirectsTo(const ZQF_PLUGIN_DocumentType* DocType) const;

 private:
  ZQF_PLUGIN_DocumentType* RedirectDocType;
};

class ZQF_PLUGIN_DocumentWriteFilter {
 public:
  virtual ~ZQF_PLUGIN_DocumentWriteFilter();
  // Writes the instance's content; the base writes the instance's markup.
  virtual void WriteDocument(const ZQF_PLUGIN_DocumentInstance& Instance,
                             ZQ_TextStreamFormatter& Out);
};

// A way to view a document: it writes it like any write filter and makes
// the views that show it.
class ZQF_PLUGIN_DocumentViewType : public ZQF_PLUGIN_DocumentWriteFilter {
 public:
  // A new, unbound view; the base makes a plain view glyph.
  virtual ZQF_PLUGIN_DocumentViewGlyph* CreateView();
};

class ZQF_PLUGIN_DocumentType {
 public:
  ZQF_PLUGIN_DocumentType() = default;
  ZQF_PLUGIN_DocumentType(const ZQF_PLUGIN_DocumentType&) = delete;
  ZQF_PLUGIN_DocumentType& operator=(const ZQF_PLUGIN_DocumentType&) = delete;
  virtual ~ZQF_PLUGIN_DocumentType();

  // Set once (asserts "DocumentManager == NULL" and "aDocumentManager != NULL").
  void SetDocumentManager(ZQF_PLUGIN_DocumentManagerGlyph* aDocumentManager);
  ZQF_PLUGIN_DocumentManagerGlyph* GetDocumentManager() const { return DocumentManager; }

  // Each takes the filter over.
  void AddReadFilter(ZQF_PLUGIN_DocumentReadFilter* Filter);
  void AddReadRedirectionFilter(ZQF_PLUGIN_DocumentReadRedirectionFilter* Filter);
  void AddWriteFilter(ZQF_PLUGIN_DocumentWriteFilter* Filter);
  // A view type is also one of the type's write filters (owned once).
  void AddViewType(ZQF_PLUGIN_DocumentViewType* ViewType);
  bool ContainsReadFilter(const ZQF_PLUGIN_DocumentReadFilter* Filter) const;
  bool ContainsWriteFilter(const ZQF_PLUGIN_DocumentWriteFilter* Filter) const;
  // A default must be one of the type's own filters (assertions).
  void SetDefaultReadFilter(ZQF_PLUGIN_DocumentReadFilter* aDefaultReadFilter);
  void SetDefaultWriteFilter(ZQF_PLUGIN_DocumentWriteFilter* aDefaultWriteFilter);
  ZQF_PLUGIN_DocumentReadFilter* GetDefaultReadFilter() const { return DefaultReadFilter; }
  ZQF_PLUGIN_DocumentWriteFilter* GetDefaultWriteFilter() const { return DefaultWriteFilter; }

  // Plain pointers to the owned filters, in the order added.
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentReadFilter*> GetDocumentReadFilterIterator() const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentReadRedirectionFilter*>
  GetDocumentReadRedirectionFilterIterator() const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentWriteFilter*> GetDocumentWriteFilterIterator() const;
  ZQ_ReadOnlyIterator<ZQF_PLUGIN_DocumentViewType*> GetDocumentViewTypeIterator() const;
  // The first view type (asserts "Head != NULL").
  ZQF_PLUGIN_DocumentViewType* GetDefaultViewType() const;

  // A new, empty instance of this type; a type with content derives it.
  virtual ZQF_PLUGIN_DocumentInstance* CreateDocumentInstance();
  // The file a new document is read from (empty: it starts empty).
  virtual ZQ_FileName GetNewDocumentModelFilename() const;
  // The extension of new files: the first plain pattern of the default read
  // filter, else of any read filter, else "doc".
  virtual ZQ_String GetDefaultExtension() const;
  // Set-up hooks, called by the manager once the types are registered.
  virtual void Init_InitializeReadRedirectionFilters() {}
  virtual void InitializeAppIntercomponentLinks() {}

  // The name in "Open {$1}" and the save question ("document"), and the
  // short and long descriptions.
  virtual ZQ_String GetName() const;
  virtual ZQ_String GetShortDescription() const;
  virtual ZQ_String GetLongDescription() const;

 private:
  ZQF_PLUGIN_DocumentManagerGlyph* DocumentManager = nullptr;
  ZQ_List<ZQF_PLUGIN_DocumentReadFilter*> ReadFilters;
  ZQ_List<ZQF_PLUGIN_DocumentReadRedirectionFilter*> ReadRedirectionFilters;
  ZQ_List<ZQF_PLUGIN_DocumentWriteFilter*> WriteFilters;
  ZQ_List<ZQF_PLUGIN_DocumentViewType*> ViewTypes;  // also in WriteFilters
  ZQF_PLUGIN_DocumentReadFilter* DefaultReadFilter = nullptr;
  ZQF_PLUGIN_DocumentWriteFilter* DefaultWriteFilter = nullptr;
};

#endif
