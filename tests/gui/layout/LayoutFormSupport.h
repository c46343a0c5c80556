// LayoutFormSupport.h: the representative forms the screenshot and window
// tests build: a weather form (a property list with units, a two-client row
// and spacing, in a group box, beside client labels and wrapped text) and a
// table with aligned cells and a hidden row. Value fields are labels in
// sunken borders.
#ifndef LAYOUT_FORM_SUPPORT_H
#define LAYOUT_FORM_SUPPORT_H

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_ClientLabelGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQF_SimpleBreakingTextDisplayGlyph.h"
#include "ZQF_TableLayoutGlyph.h"

inline ZQF_Glyph* ValueField(const char* Text) {
  ZQF_StoredAttributeLabelGlyph* label = new ZQF_StoredAttributeLabelGlyph(Text);
  label->SetMargins(3, 1);
  label->SetBackgroundColor(ZQF_Color(12));
  return new ZQF_SunkenBorderGlyph(label);
}

struct WeatherForm {
  ZQF_PropertyListGlyph* list = new ZQF_PropertyListGlyph;
  ZQF_BorderGlyph* group;
  ZQF_ColumnGlyph* root = new ZQF_ColumnGlyph;

  WeatherForm() {
    list->AddRowWithUnits("&Air temperature", ValueField("31.5"), "C");
    list->AddRowWithUnits("Relative &humidity", ValueField("64"), "%");
    list->AddRowWithUnits("&Wind speed", ValueField("2.1"), "m/s");
    list->AddSpaceBeforeNextRow();
    list->AddRowWithTwoClients("&Date and time", ValueField("2026-07-14"), ValueField("14:30"), -1);
    list->AddRow("Location\nlatitude", ValueField("38.9"));
    group = new ZQF_BorderGlyph(list, "&Measurements", 0, ZQ_Point<long>(6, 4), 1, 0);
    ZQF_RowGlyph* labels = new ZQF_RowGlyph;
    labels->SetSpacing(12);
    labels->AddToRight(new ZQF_StoredTextClientLabelGlyph(ValueField("Open field"), "&Site", 0));
    labels->AddToRight(new ZQF_StoredTextClientLabelGlyph(ValueField("Clear"), "S&ky", 3));
    ZQF_SimpleBreakingTextDisplayGlyph* text = new ZQF_SimpleBreakingTextDisplayGlyph(
        "The wet bulb globe temperature is estimated from the air temperature, the humidity, "
        "the wind speed and the sunshine measured at the site.");
    root->SetSpacing(8);
    root->AddToBottom(group);
    root->AddToBottom(labels);
    root->AddToBottom(text);
    root->AddToBottom(new ZQF_VerticalGlueGlyph());
  }
};

struct AlignedTable {
  ZQF_TableLayoutGlyph* table = new ZQF_TableLayoutGlyph(4, 3, 0);

  AlignedTable() {
    const char* heads[] = {"Left", "Centre", "Right"};
    for (long j = 0; j < 3; ++j) {
      table->AccessColumnInfo(j).Format.HorizontalAlignment = j;
      table->SetClient(0, j, ZQ_String(heads[j]));
    }
    table->SetClient(1, 0, ValueField("hidden row"));
    table->SetRowHidden(1, true, false);
    table->SetClient(2, 0, ZQ_String("one"));
    table->SetClient(2, 1, ValueField("centred"));
    table->SetClient(2, 2, ZQ_String("two\nlines"));
    table->AccessRowInfo(3).Format.VerticalAlignment = 2;
    table->SetClient(3, 0, ZQ_String("bottom"));
    table->SetClient(3, 1, new ZQF_TwoDimensionalGlueGlyph(10, 40));
    table->SetClient(3, 2, ValueField("right"));
  }
};

#endif
