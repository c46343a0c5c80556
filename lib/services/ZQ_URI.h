// ZQ_URI.h: a resource named by text: a file ("file:"), an embedded resource
// of the program ("intres:"), or a resource of another scheme, which is held
// but cannot be read. The text is kept %-encoded. Relative references are
// resolved against base URIs, and any URI opens as a stream source through
// the handler (ZQ_URI_SchemeImp) registered for its scheme, looked up without
// regard to case; schemes nobody registered get a handler that never finds
// anything. Reading a missing resource throws ZQ_Exception, and so does
// resolving a reference that begins with "/" against a base without a
// scheme; a URI without a scheme passed to GetScheme or GetPath fails an
// assertion. One thread only.
#ifndef ZQ_URI_H
#define ZQ_URI_H

#include "ZQ_FileName.h"
#include "ZQ_Iterator.h"
#include "ZQ_StackTrace.h"
#include "ZQ_StreamSource.h"
#include "ZQ_String.h"

class ZQ_TextStreamFormatter;
class ZQ_Hasher;

class ZQ_URI {
 public:
  // Bits of EncodeSpecialCharacters: which characters are escaped beyond
  // those that always are.
  using EncodeOptions = unsigned short;
  static const EncodeOptions Encode_Backslash = 0x0001;
  static const EncodeOptions Encode_Slash = 0x0002;
  static const EncodeOptions Encode_Colon = 0x0004;
  static const EncodeOptions Encode_NumberSign = 0x0008;
  static const EncodeOptions Encode_QuestionMark = 0x0010;
  static const EncodeOptions Encode_Percent = 0x0020;
  static const EncodeOptions Encode_Plus = 0x0040;
  static const EncodeOptions Encode_Exclamation = 0x0080;
  static const EncodeOptions Encode_Asterisk = 0x0100;
  // "\" becomes "/" (unless Encode_Backslash escapes it).
  static const EncodeOptions Encode_BackslashAsSlash = 0x1000;
  // A space becomes "+" instead of "%20".
  static const EncodeOptions Encode_SpaceAsPlus = 0x2000;
  // What file names get: slashes for backslashes, "#" and "%" escaped.
  static const EncodeOptions Encode_FileName = 0x1028;

  ZQ_URI() = default;
  // Text encoded with Options; a text whose second character is ':' (a drive
  // letter) first gets "file:" in front.
  explicit ZQ_URI(const ZQ_String& Text, EncodeOptions Options = 0);
  // Text taken as it is: already encoded, no prefix.
  static ZQ_URI FromEncodedText(const ZQ_String& EncodedText);

  ZQ_String GetText(bool Decode = false) const;
  bool IsEmpty() const { return Text.IsEmpty(); }
  // A URI has a scheme when its text holds ':'.
  bool HasScheme() const { return Text.Find(':') != ZQ_NoMatch; }
  // The text before the first ':'. Asserts "Index != ZQ_NoMatch".
  ZQ_String GetScheme() const;
  // The text after the first ':', cut before the last "?" (or, when there is
  // none, before the last "#"). Asserts "ColonIndex != ZQ_NoMatch".
  ZQ_String GetPath(bool Decode = false) const;
  // The scheme is "file", written exactly so.
  bool IsFileURI() const;
  // The decoded path. Asserts "IsFileURI()".
  ZQ_FileName GetFileName() const;

  // Through the handler of the scheme (the unrecognized handler for a URI
  // without one). GetResourceStream throws ZQ_Exception when the resource
  // cannot be read.
  bool ResourceExists() const;
  ZQ_SeekableStreamSource GetResourceStream() const;
  bool GetResourceStreamIfExists(ZQ_SeekableStreamSource& Stream) const;
  // The whole resource; throws as GetResourceStream.
  ZQ_String LoadResourceIntoString() const;

  // This URI resolved against Base: itself when it has a scheme or is empty;
  // else joined to Base's folder ("." and ".." segments removed) or, when it
  // begins with slashes, to the part of Base its root names. That root lies
  // after Base's scheme: a Base without one throws ZQ_Exception ("Error
  // resolving ...").
  ZQ_URI MakeAbsolute(const ZQ_URI& Base) const;

  static ZQ_String EncodeSpecialCharacters(const ZQ_String& S, EncodeOptions Options);
  // "%" and two more characters become the byte they spell in hexadecimal
  // (either case; another character counts as 0). A "%" nearer the end than
  // that is copied.
  static ZQ_String DecodeSpecialCharacters(const ZQ_String& S);

  // Compares the decoded texts.
  friend bool operator==(const ZQ_URI& A, const ZQ_URI& B);
  friend bool operator!=(const ZQ_URI& A, const ZQ_URI& B) { return !(A == B); }

 private:
  ZQ_String Text;  // encoded
};

// A URI known to be absolute.
class ZQ_AbsoluteURI : public ZQ_URI {
 public:
  ZQ_AbsoluteURI() = default;
  ZQ_AbsoluteURI(const ZQ_URI& URI) : ZQ_URI(URI) {}
  explicit ZQ_AbsoluteURI(const ZQ_String& Text, EncodeOptions Options = 0)
      : ZQ_URI(Text, Options) {}

  // True with the whole resource in Contents, or false with Contents untouched.
  bool GetResourceIfExists(ZQ_String& Contents) const;
  // Opens the resource with the program the shell associates with it (a file
  // URI by its file name). Throws ZQ_Exception when the shell cannot.
  void Goto() const;
};

// "file:" in front when Text holds no ':' at all, then ZQ_URI (Text, Options).
ZQ_URI ZQ_URI_MakeFromFileName(const ZQ_String& Text, ZQ_URI::EncodeOptions Options);
ZQ_URI ZQ_URI_MakeFromFileName(const char* Text, ZQ_URI::EncodeOptions Options);
// The file's absolute path name, encoded as file names are.
ZQ_URI ZQ_URI_MakeFromFileName(const ZQ_FileName& Name);
// "file:" and the current directory, ending in "/".
ZQ_URI ZQ_URI_GetCurrentDirectoryURI();

// Text resolved for reading: a text with a scheme on its own, else against
// each base in turn; the first whose resource exists is taken. Without one,
// GetResourceStream throws ZQ_Exception "Error reading Text" / "Text could
// not be found." and MakeAbsolute gives Text resolved against the current
// directory.
ZQ_URI ZQ_URI_MakeAbsolute(const ZQ_String& Text, ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> BaseURIs);
ZQ_SeekableStreamSource ZQ_URI_GetResourceStream(const ZQ_String& Text,
                                                 ZQ_ReadOnlyIterator<ZQ_AbsoluteURI> BaseURIs);

// The stored text.
ZQ_TextStreamFormatter& operator<<(ZQ_TextStreamFormatter& Out, const ZQ_URI& URI);
ZQ_Hasher& operator<<(ZQ_Hasher& Hasher, const ZQ_URI& URI);

// The handler of one scheme. A handler registers itself under its scheme name
// while it is constructed and leaves the registry when destroyed; it must
// outlive its use. The defaults describe a scheme that cannot be read.
class ZQ_URI_SchemeImp {
 public:
  virtual ~ZQ_URI_SchemeImp();
  virtual ZQ_String GetSchemeName() const = 0;
  virtual bool ResourceExists(const ZQ_URI& URI) const;
  virtual bool IsRecognized() const;
  // Throws ZQ_Exception "Error reading URI" / "URI cannot be read."
  virtual ZQ_SeekableStreamSource GetResourceStream(const ZQ_URI& URI) const;
  // The stream when ResourceExists, else false and Stream untouched.
  virtual bool GetResourceStreamIfExists(const ZQ_URI& URI, ZQ_SeekableStreamSource& Stream) const;

  // The handler of Scheme (any case), or the unrecognized handler.
  static const ZQ_URI_SchemeImp& Find(const ZQ_String& Scheme);

 protected:
  // Registers under SchemeName; a null name registers nothing. The name is
  // passed in because a virtual call cannot reach the derived class yet.
  explicit ZQ_URI_SchemeImp(const char* SchemeName);
  ZQ_URI_SchemeImp(const ZQ_URI_SchemeImp&) = delete;
  ZQ_URI_SchemeImp& operator=(const ZQ_URI_SchemeImp&) = delete;

 private:
  const char* RegisteredName;
};

class ZQ_URI_SchemeImp_File : public ZQ_URI_SchemeImp {
 public:
  ZQ_URI_SchemeImp_File() : ZQ_URI_SchemeImp("file") {}
  ZQ_String GetSchemeName() const override { return "file"; }
  bool ResourceExists(const ZQ_URI& URI) const override;  // the decoded path
  bool IsRecognized() const override { return true; }
  ZQ_SeekableStreamSource GetResourceStream(const ZQ_URI& URI) const override;
};

class ZQ_URI_SchemeImp_IntRes : public ZQ_URI_SchemeImp {
 public:
  ZQ_URI_SchemeImp_IntRes() : ZQ_URI_SchemeImp("intres") {}
  ZQ_String GetSchemeName() const override { return "intres"; }
  bool ResourceExists(const ZQ_URI& URI) const override;
  bool IsRecognized() const override { return true; }
  ZQ_SeekableStreamSource GetResourceStream(const ZQ_URI& URI) const override;
  // The resource name of a URI: its decoded path with only ASCII letters,
  // digits and "_" kept ("My Logo.bmp" reads MyLogobmp).
  static ZQ_String Util_TranslateToResourceName(const ZQ_URI& URI);
};

class ZQ_URI_SchemeImp_Unrecognized : public ZQ_URI_SchemeImp {
 public:
  ZQ_URI_SchemeImp_Unrecognized() : ZQ_URI_SchemeImp(nullptr) {}
  ZQ_String GetSchemeName() const override { return "unrecognized"; }
};

template <> struct ZQ_StackTrace_TypeCode<ZQ_URI> { static constexpr long Value = 25; };
template <> struct ZQ_StackTrace_TypeCode<ZQ_AbsoluteURI> { static constexpr long Value = 25; };

#endif
