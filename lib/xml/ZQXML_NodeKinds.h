// ZQXML_NodeKinds.h: the concrete nodes of an XML tree: element, text,
// attribute, comment and the document node above the root element. Each
// keeps its own strings (shared by copies, ZQ_String) and copies itself with
// CloneSelf.
#ifndef ZQXML_NODEKINDS_H
#define ZQXML_NODEKINDS_H

#include "ZQXML_Node.h"

class ZQXML_Node_Element : public ZQXML_Node {
 public:
  explicit ZQXML_Node_Element(const ZQ_String& Name) : Name(Name) {}
  long GetType() const override { return ZQXML_NodeType_Element; }
  ZQ_String GetName() const override { return Name; }
  // The text the element carries beside its name: its "id" attribute, empty
  // when it has none.
  ZQ_String GetIdText() const { return GetAttributeValue("id", ZQ_String()); }
  ZQXML_Node* CloneSelf() const override { return new ZQXML_Node_Element(Name); }

 private:
  ZQ_String Name;
};

class ZQXML_Node_Text : public ZQXML_Node {
 public:
  explicit ZQXML_Node_Text(const ZQ_String& Text) : Text(Text) {}
  long GetType() const override { return ZQXML_NodeType_Text; }
  ZQ_String GetValue() const override { return Text; }
  ZQXML_Node* CloneSelf() const override { return new ZQXML_Node_Text(Text); }

 private:
  ZQ_String Text;
};

class ZQXML_Node_Attribute : public ZQXML_Node {
 public:
  ZQXML_Node_Attribute(const ZQ_String& Name, const ZQ_String& Value) : Name(Name), Value(Value) {}
  long GetType() const override { return ZQXML_NodeType_Attribute; }
  ZQ_String GetName() const override { return Name; }
  ZQ_String GetValue() const override { return Value; }
  void SetValue(const ZQ_String& NewValue) { Value = NewValue; }
  ZQXML_Node* CloneSelf() const override { return new ZQXML_Node_Attribute(Name, Value); }

 private:
  ZQ_String Name;
  ZQ_String Value;
};

class ZQXML_Node_Comment : public ZQXML_Node {
 public:
  explicit ZQXML_Node_Comment(const ZQ_String& Text) : Text(Text) {}
  long GetType() const override { return ZQXML_NodeType_Comment; }
  ZQ_String GetValue() const override { return Text; }
  ZQXML_Node* CloneSelf() const override { return new ZQXML_Node_Comment(Text); }

 private:
  ZQ_String Text;
};

// The one node above the root element; its children are the top-level nodes.
class ZQXML_Node_Document : public ZQXML_Node {
 public:
  ZQXML_Node_Document() = default;
  long GetType() const override { return ZQXML_NodeType_Document; }
  ZQXML_Node* CloneSelf() const override {
    ZQXML_Node_Document* copy = new ZQXML_Node_Document;
    copy->IsFragment = IsFragment;
    return copy;
  }
  // True for the content of a dummy root read as a fragment: it is written
  // back as it came, without a declaration or added line ends.
  bool IsFragment = false;
};

#endif
