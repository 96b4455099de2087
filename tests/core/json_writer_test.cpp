#include "core/json/json_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace varnello {
namespace {

// Commas between members and elements at every depth, none after an opening bracket or a key,
// empty containers, and each kind of value.
TEST(JsonWriter, PutsCommasWhereTheyGo) {
  std::string out = "x";
  JsonWriter json(out);
  json.beginObject().key("a").beginArray().endArray().key("b").beginObject().endObject();
  json.key("c").beginArray().integer(-1).integer(std::numeric_limits<std::uint64_t>::max());
  json.beginArray().null().boolean(false).endArray().beginObject().key("d").boolean(true).endObject();
  json.amount(9550).amount(0.1).real(1).string("e\"").raw("1.10").endArray();
  json.key("f").string("").endObject();
  EXPECT_EQ(
      out, R"(x{"a":[],"b":{},"c":[-1,18446744073709551615,[null,false],{"d":true},9550,0.1,1.0,"e\"",1.10],)"
           R"("f":""})");
}

// Numbers JSON cannot write come out as null; the largest and smallest doubles as numbers.
TEST(JsonWriter, NumbersJsonCannotWriteAreNull) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  std::string out;
  JsonWriter json(out);
  json.beginArray().amount(kInf).amount(-kInf).amount(kNaN).real(kInf).real(-kNaN);
  json.amount(std::numeric_limits<double>::max()).real(-std::numeric_limits<double>::max());
  json.amount(std::numeric_limits<double>::denorm_min()).endArray();
  EXPECT_EQ(out, "[null,null,null,null,null,1.7976931348623157e+308,-1.7976931348623157e+308,5e-324]");
}

}  // namespace
}  // namespace varnello
