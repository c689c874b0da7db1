#include "printdata/Init.h"

#include "printdata/Guarded.h"

namespace printdata {

void GroupInit(PrintGroup& group) {
  Guarded([&] {
    group.Version = kRecordVersion;
    group.Protection.clear();
    group.Note.clear();
    for (PrintText& text : group.Texts) PrintTextInit(text);
  });
}

void PrintTextInit(PrintText& text) {
  Guarded([&] {
    text.Version = kRecordVersion;
    LayersInit(text);
    ParametersInit(text);
    NoteInit(text);
  });
}

void LayersInit(PrintText& text) {
  Guarded([&] {
    for (int i = 0; i < kLayerCount; ++i) text.Layers[i] = DefaultLayer(i);
  });
}

void ParametersInit(PrintText& text) {
  ParametersX1Init(text);
  ParametersX2Init(text);
  ParametersYInit(text);
}

void ParametersX1Init(PrintText& text) { text.Parameters.X1 = ParameterSetX{}; }
void ParametersX2Init(PrintText& text) { text.Parameters.X2 = ParameterSetX{}; }
void ParametersYInit(PrintText& text) { text.Parameters.Y = ParameterSetY{}; }

void NoteInit(PrintText& text) {
  Guarded([&] { text.Note.clear(); });
}

}  // namespace printdata
