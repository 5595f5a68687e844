#include "cli/ProjectJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace fundis {

namespace {

// Length of the UTF-8 sequence at `pos`, or 0 when the bytes there are not one.
std::size_t utf8SequenceLength(const std::string& text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (pos + length > text.size()) {
        return 0;
    }
    if (byte(pos + 1) < low || byte(pos + 1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

std::string jsonNumber(float value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[64];
    // the shortest text of the value as a double reads back to the same float
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value));
    return std::string(buffer, result.ptr);
}

class JsonObject {
  public:
    void add(const std::string& name, const std::string& json) {
        text_ += text_.empty() ? "{" : ", ";
        text_ += jsonString(name) + ": " + json;
    }
    void add(const std::string& name, float value) { add(name, jsonNumber(value)); }
    void add(const std::string& name, int value) { add(name, std::to_string(value)); }
    void add(const std::string& name, bool value) { add(name, std::string(value ? "true" : "false")); }
    std::string close() const { return text_.empty() ? "{}" : text_ + "}"; }

  private:
    std::string text_;
};

template <typename Array>
std::string jsonArray(const Array& values, int first, int last) {
    std::string text = "[";
    for (int i = first; i <= last; ++i) {
        if (i > first) {
            text += ", ";
        }
        text += jsonNumber(values[i]);
    }
    return text + "]";
}

std::string recordJson(const TProjectData& data) {
    const int steps = std::clamp(data.nSteps, 0, kStepEntries - 1);
    JsonObject record;
    record.add("Mt", data.Mt);
    record.add("kh", data.kh);
    record.add("d0", data.d0);
    record.add("d", data.d);
    record.add("dfn", data.dfn);
    record.add("df", data.df);
    record.add("Hf", data.Hf);
    record.add("MII", jsonArray(data.MII, 1, 3));
    record.add("NII", jsonArray(data.NII, 1, 3));
    record.add("QII", jsonArray(data.QII, 1, 3));
    record.add("MI", jsonArray(data.MI, 1, 3));
    record.add("NI", jsonArray(data.NI, 1, 3));
    record.add("QI", jsonArray(data.QI, 1, 3));
    record.add("fii", data.fii);
    record.add("cii", data.cii);
    record.add("Yii", data.Yii);
    record.add("Yii1", data.Yii1);
    record.add("Yc1", data.Yc1);
    record.add("Yc2", data.Yc2);
    record.add("k", data.k);
    record.add("d_l", data.d_l);
    record.add("bToL", data.bToL);
    record.add("d_h", data.d_h);
    record.add("pedestalTop", data.pedestalTop);
    record.add("groundLevel", data.groundLevel);
    record.add("socketDepth", data.socketDepth);
    record.add("socketBottom", data.socketBottom);
    record.add("bc", data.bc);
    record.add("lc", data.lc);
    record.add("buc", data.buc);
    record.add("luc", data.luc);
    record.add("da", data.da);
    record.add("dz", data.dz);
    record.add("Rs", data.Rs);
    record.add("Rsc", data.Rsc);
    record.add("Rbt", data.Rbt);
    record.add("My", data.My);
    record.add("Mq", data.Mq);
    record.add("Mc", data.Mc);
    record.add("kz", data.kz);
    record.add("R", data.R);
    record.add("b", data.b);
    record.add("l", data.l);
    record.add("A", data.A);
    record.add("kzap", data.kzap);
    record.add("pEnv", data.pEnv);
    record.add("pmaxEnv", data.pmaxEnv);
    record.add("pminEnv", data.pminEnv);
    record.add("p", data.p);
    record.add("pmax", data.pmax);
    record.add("pmin", data.pmin);
    record.add("pK1", data.pK1);
    record.add("h01", data.h01);
    record.add("k1", data.k1);
    record.add("hSteps", data.hSteps);
    record.add("huc", data.huc);
    record.add("nSteps", data.nSteps);
    record.add("h", jsonArray(data.h, 0, steps));
    record.add("lStep", jsonArray(data.lStep, 1, steps));
    record.add("bStep", jsonArray(data.bStep, 1, steps));
    record.add("c", jsonArray(data.c, 1, steps));
    record.add("cb", jsonArray(data.cb, 1, steps));
    record.add("pI", data.pI);
    record.add("p12", data.p12);
    record.add("pminI", data.pminI);
    record.add("prod_h", data.prod_h);
    record.add("prod_A", data.prod_A);
    record.add("prod_F", data.prod_F);
    record.add("bm", data.bm);
    record.add("Asl", data.Asl);
    record.add("Asb", data.Asb);
    record.add("dsl", data.dsl);
    record.add("dsb", data.dsb);
    record.add("nl", data.nl);
    record.add("nb", data.nb);
    return record.close();
}

}  // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t pos = 0; pos < text.size();) {
        const unsigned char ch = static_cast<unsigned char>(text[pos]);
        const std::size_t length = utf8SequenceLength(text, pos);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++pos;
            continue;
        }
        if (length > 1) {
            out.append(text, pos, length);
            pos += length;
            continue;
        }
        switch (ch) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (ch < 0x20 || ch == 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", ch);
                    out += escape;
                } else {
                    out += static_cast<char>(ch);
                }
        }
        ++pos;
    }
    return out + "\"";
}

std::string projectJson(const std::string& file, const std::vector<ReportLine>& report,
                        const TProjectData& data, bool inputDialogNeeded) {
    std::string lines = "[";
    for (std::size_t i = 0; i < report.size(); ++i) {
        if (i > 0) {
            lines += ", ";
        }
        JsonObject line;
        line.add("text", jsonString(report[i].text));
        line.add("failure", report[i].failure);
        lines += line.close();
    }
    lines += "]";

    JsonObject object;
    object.add("file", jsonString(file));
    object.add("report", lines);
    object.add("record", recordJson(data));
    object.add("input_dialog_needed", inputDialogNeeded);
    return object.close();
}

}  // namespace fundis
