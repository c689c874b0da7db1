#include "printdata/LayerListFiles.h"

#include <vector>

#include "platform/LineFile.h"
#include "printdata/PrinterFileWrite.h"
#include "printdata/StaticLayer.h"

namespace printdata {

std::string DynamicLayerListText(const PrintText& work) {
  std::vector<std::string> kinds;
  int dynamic = 0;
  for (const LayerObject& layer : work.Layers) {
    const bool isDynamic = IsDynamicLayer(layer);
    dynamic += isDynamic;
    kinds.push_back(!isDynamic ? "0" : layer.Kind == kKindDate ? "2" : "3");
  }
  std::vector<std::string> lines = {std::to_string(dynamic), std::to_string(kLayerCount)};
  lines.insert(lines.end(), kinds.begin(), kinds.end());
  return platform::JoinLines(lines);
}

platform::Status WriteDynamicLayerList(const std::string& path, const PrintText& work) {
  return WritePrinterFile(path, DynamicLayerListText(work));
}

std::string ParameterFileText(const PrintText& work) {
  const ParameterSetX& x1 = work.Parameters.X1;
  std::vector<std::string> lines;
  for (std::int32_t value : {x1.Vorlauf / 10, x1.Drucklaenge / 10, x1.Anzahl, x1.Abstand / 10, x1.Anzahl2,
                             x1.Abstand2 / 10, x1.Nachlauf / 10, x1.Lage})
    lines.push_back(std::to_string(value));
  for (const ParameterSetX* set : {&work.Parameters.X1, &work.Parameters.X2})
    for (auto field : kParameterSetXFields) lines.push_back(std::to_string(set->*field));
  for (auto field : kParameterSetYFields) lines.push_back(std::to_string(work.Parameters.Y.*field));
  return platform::JoinLines(lines);
}

platform::Status WriteParameterFile(const std::string& path, const PrintText& work) {
  return WritePrinterFile(path, ParameterFileText(work));
}

}  // namespace printdata
