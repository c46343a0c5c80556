// LayoutFormSupport.h: the representative forms the screenshot and window
// tests build: a weather form (a property list with units, a two-client row
// and spacing, in a group box, beside client labels and wrapped text) and a
// table with aligned cells and a hidden row, tab pages of temperatures, a
// picture above a red-tinted field, and rows of station readings. Value
// fields are labels in sunken borders.
#ifndef LAYOUT_FORM_SUPPORT_H
#define LAYOUT_FORM_SUPPORT_H

#include <string>

#include "ZQF_AlignmentGlyph.h"
#include "ZQF_BorderGlyph.h"
#include "ZQF_ClientLabelGlyph.h"
#include "ZQF_GlueGlyphs.h"
#include "ZQF_HorizontalSeparatorLineGlyph.h"
#include "ZQF_ImageDisplayGlyph.h"
#include "ZQF_LabelGlyph.h"
#include "ZQF_Metrics.h"
#include "ZQF_PropertyListGlyph.h"
#include "ZQF_RedTintContainerGlyph.h"
#include "ZQF_SimpleBreakingTextDisplayGlyph.h"
#include "ZQF_TabSelectableClientGlyph.h"
#include "ZQF_TableLayoutGlyph.h"
#include "ZQIMG_Image.h"

inline ZQF_Glyph* ValueField(const char* Text) {
  ZQF_StoredAttributeLabelGlyph* label = new ZQF_StoredAttributeLabelGlyph(Text);
  label->SetMargins(3, 1);
  label->SetBackgroundColor(ZQF_Color(ZQF_ColorMetric_DocumentBackground));
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

// Three tabs (air, globe, wet bulb) of one temperature each.
inline ZQF_TabSelectableClientGlyph* TemperatureTabs(long Placement) {
  ZQF_TabSelectableClientGlyph* tabs = new ZQF_TabSelectableClientGlyph(Placement);
  const char* tabNames[] = {"&Air", "&Globe", "&Wet bulb"};
  const char* values[] = {"31.5", "44.0", "24.8"};
  for (int i = 0; i < 3; ++i) {
    ZQF_PropertyListGlyph* list = new ZQF_PropertyListGlyph;
    list->AddRowWithUnits("Temperature", ValueField(values[i]), "C");
    tabs->AddTab(tabNames[i], new ZQF_MarginGlyph(list, 6, 6, 0), ZQF_Color(ZQF_ColorMetric_LabelBackground));
  }
  return tabs;
}

// A sun in black on light grey, the two colours the display recolours.
inline ZQIMG_Image SunPicture() {
  ZQIMG_Image image(24, 24, 24);
  for (long y = 0; y < 24; ++y) {
    unsigned char* p = image.GetRow24BitForWriting(y);
    for (long x = 0; x < 24; ++x, p += 3) {
      const long dx = x - 12, dy = y - 12, d = dx * dx + dy * dy;
      const bool ray = dx == 0 || dy == 0 || dx == dy || dx == -dy;
      p[0] = p[1] = p[2] = (d < 30 || (d < 120 && ray)) ? 0 : 192;
    }
  }
  return image;
}

// A recoloured sun scaled to 48 pixels wide, a separator band, and a field
// tinted red as an out-of-range value.
struct PictureAndTintColumn {
  ZQF_ImageDisplayGlyph* Sun = new ZQF_ImageDisplayGlyph(SunPicture());
  ZQF_RedTintContainerGlyph* Tinted = new ZQF_RedTintContainerGlyph(ValueField("-12.0 (too low)"));
  ZQF_ColumnGlyph* Column = new ZQF_ColumnGlyph(1);

  PictureAndTintColumn() {
    Sun->SetRecolor(true);
    Sun->SetScaleImage(true);
    Sun->SetDesiredImageSize(48, -1);
    Column->SetSpacing(6);
    Column->AddToBottom(Sun);
    Column->AddToBottom(new ZQF_HorizontalSeparatorLineGlyph(3, 2, 2, ZQF_GetColorMetric(ZQF_ColorMetric_LabelBackground)));
    Column->AddToBottom(Tinted);
  }
};

// Rows of station readings (station, air, humidity, wind, globe), spaced.
inline ZQF_ColumnGlyph* StationReadings(int Rows) {
  auto* column = new ZQF_ColumnGlyph;
  column->SetSpacing(4);
  for (int i = 1; i <= Rows; ++i) {
    auto* row = new ZQF_RowGlyph;
    row->SetSpacing(12);
    for (const std::string& text :
         {"Station " + std::to_string(i), "Air " + std::to_string(20 + i % 15) + " deg C",
          "Humidity " + std::to_string(30 + (i * 7) % 60) + " %",
          "Wind " + std::to_string(1 + i % 6) + " m/s", "Globe " + std::to_string(30 + i % 20)}) {
      row->AddToRight(new ZQF_StoredLabelGlyph(text.c_str()));
    }
    column->AddToBottom(row);
  }
  return column;
}

#endif
