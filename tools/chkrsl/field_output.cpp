#include "field_output.h"

#include "chkrsl/internal.h"

namespace chkrsl_cli {

void TextFields::Int(const chkrsl::FieldName& n, int32_t v) {
  out_ << "  " << path_.Of(n) << " = " << std::to_string(v) << "\n";
}

void TextFields::Double(const chkrsl::FieldName& n, double v) {
  out_ << "  " << path_.Of(n) << " = " << FormatDouble(v) << "\n";
}

void TextFields::Flag(const chkrsl::FieldName& n, uint8_t v) {
  out_ << "  " << path_.Of(n) << " = " << std::to_string(v) << "\n";
}

JsonWriter& JsonFields::Key(const chkrsl::FieldName& n) {
  key_.clear();
  chkrsl::AppendFieldText(n, key_);
  return json_.Key(key_);
}

void JsonFields::Enter(const chkrsl::FieldName& n) { Key(n).BeginObject(); }

void JsonFields::Leave() { json_.EndObject(); }

void JsonFields::Int(const chkrsl::FieldName& n, int32_t v) { Key(n).Int(v); }

void JsonFields::Double(const chkrsl::FieldName& n, double v) { Key(n).Double(v); }

void JsonFields::Flag(const chkrsl::FieldName& n, uint8_t v) { Key(n).Int(v); }

void PrintRecord(std::ostream& out, bool json, const char* label, int number, int kind,
                 const CHKRsl& rec) {
  if (json) {
    JsonWriter w(out);
    w.BeginObject().Key(label).Int(number);
    if (kind) w.Key("kind").Int(kind);
    w.Key("class").String(chkrsl::RecordClassName(rec)).Key("fields").BeginObject();
    JsonFields fields(w);
    chkrsl::VisitFields(rec, fields);
    w.EndObject().EndObject().EndLine();
    return;
  }
  out << label << " " << number;
  if (kind) out << "  kind " << kind;
  out << "  " << chkrsl::RecordClassName(rec) << "\n";
  TextFields fields(out);
  chkrsl::VisitFields(rec, fields);
}

void PrintEdge(std::ostream& out, bool json, const DataForWallEdge& edge) {
  if (json) {
    JsonWriter w(out);
    w.BeginObject().Key("edge").Int(edge.edgeNo).Key("class").String("DataForWallEdge");
    w.Key("fields").BeginObject();
    JsonFields fields(w);
    chkrsl::VisitFields(edge, fields);
    w.EndObject().EndObject().EndLine();
    return;
  }
  out << "edge " << edge.edgeNo << "  DataForWallEdge\n";
  TextFields fields(out);
  chkrsl::VisitFields(edge, fields);
}

}  // namespace chkrsl_cli
