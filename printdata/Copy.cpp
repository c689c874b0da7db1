#include "printdata/Copy.h"

#include "printdata/Guarded.h"

namespace printdata {

void PrintTextCopy(const PrintText& source, PrintText& destination) {
  Guarded([&] {
    destination.Version = kRecordVersion;
    LayersCopy(source, destination);
    ParametersCopy(source, destination);
    NoteCopy(source, destination);
  });
}

void LayersCopy(const PrintText& source, PrintText& destination) {
  Guarded([&] {
    for (int i = 0; i < kLayerCount; ++i) destination.Layers[i] = source.Layers[i];
  });
}

void ParametersCopy(const PrintText& source, PrintText& destination) {
  ParametersX1Copy(source, destination);
  ParametersX2Copy(source, destination);
  ParametersYCopy(source, destination);
}

void ParametersX1Copy(const PrintText& source, PrintText& destination) {
  destination.Parameters.X1 = source.Parameters.X1;
}
void ParametersX2Copy(const PrintText& source, PrintText& destination) {
  destination.Parameters.X2 = source.Parameters.X2;
}
void ParametersYCopy(const PrintText& source, PrintText& destination) {
  destination.Parameters.Y = source.Parameters.Y;
}

void NoteCopy(const PrintText& source, PrintText& destination) {
  Guarded([&] { destination.Note = source.Note; });
}

}  // namespace printdata
