// MORV_RegimenTableDocument.h: the workspace's small table of Army work/rest
// minutes and water intake for the easy, moderate and hard work loads at one
// wet bulb globe temperature, written as document markup and parsed. The
// table takes the form's text and background colours, so it matches the
// labels beside it. UI thread only.
#pragma once

#include "ZQFO_Document.h"
#include "ZQR_AbstractFont.h"

// Arial 10 pt, normal weight: the header texts and the load names.
ZQR_AbstractFont MakeRegimenTableFont();
// Arial 10 pt, bold: the work/rest and water values.
ZQR_AbstractFont MakeRegimenTableBoldFont();

// The table for Wbgt in degrees F; a value of -9000 or below (the model's
// -9999 for no result) shows "-----" in every value cell. Throws the XML
// parser's ZQ_Exception should the markup not validate.
ZQFO_Document GetArmyWorkRegimenInputDocument(double Wbgt);

// The markup GetArmyWorkRegimenInputDocument parses, for tests.
ZQ_String GetArmyWorkRegimenMarkup(double Wbgt);
