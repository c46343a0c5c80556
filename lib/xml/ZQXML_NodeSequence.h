// ZQXML_NodeSequence.h: the two node sequences of the queries: read-only
// nodes of a shared tree, and modifiable nodes of a tree that one handle
// owns (ZQXML_Tree::GetModifiableRootNode).
#ifndef ZQXML_NODESEQUENCE_H
#define ZQXML_NODESEQUENCE_H

#include "ZQXML_BasicNodeSequence.h"

class ZQXML_Node;

using ZQXML_ReadOnlyNodeSequence = ZQXML_BasicNodeSequence<const ZQXML_Node>;
using ZQXML_NodeSequence = ZQXML_BasicNodeSequence<ZQXML_Node>;

#endif
