// ZQXML_XMLTreeUtil.h: whole-tree operations: pruning a tree to one node and
// writing a tree as XML text.
#ifndef ZQXML_XMLTREEUTIL_H
#define ZQXML_XMLTREEUTIL_H

#include "ZQXML_Tree.h"
#include "ZQ_FileName.h"

class ZQXML_Node;

// A new tree holding a copy of Node with its subtree and, for each ancestor
// up to the document node, a copy that holds only that ancestor's attribute
// children, so that inherited formatting stays in force. Node must lie in
// Tree (assertion "NodeLiesInTree"); at the document node the result is a
// copy of the whole tree.
ZQXML_Tree ZQXML_XMLTreeUtil_PruneSiblingsConcreteNodesToRoot(const ZQXML_Tree& Tree,
                                                              const ZQXML_Node* Node);

// Writes "<?xml version='1.0'?>", a line end, then each top-level node and a
// line end. Elements are written <name a='v'>...</name>, or <name a='v'/>
// without content; attribute values are encoded with ZQXML_Encode_All but
// the upper bytes (0x3FF), texts with the markup characters, brackets,
// hyphen and the controls but tab and line feed (0x2E7 and the carriage
// return), so that reading the file gives the same tree. No indentation is
// added. A NUL byte, which no XML text may hold, is written "&#0;" and
// makes the file unreadable. A fragment read under a dummy root
// (ZQXML_Parser::SetReadAsContentUnderDummyRoot) is written as its top-level
// nodes alone. Failures throw the file sink's ZQ_Exception with a sentence naming
// the file.
void ZQXML_XMLTreeUtil_Write(const ZQXML_Tree& Tree, const ZQ_FileName& File);

// The same text in memory.
ZQ_String ZQXML_XMLTreeUtil_WriteToString(const ZQXML_Tree& Tree);

#endif
