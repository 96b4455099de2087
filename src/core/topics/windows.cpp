// The table of topic windows: every window file defines one constant descriptor, and a window
// belongs to the program by being listed here, in window-number order. Nothing is registered at
// start-up; a descriptor missing from the build fails to link, one defined twice fails to link,
// and CheckWindowTables finds a window left out of the list, listed twice or out of order.
#include "core/engine/topic.h"

namespace varnello {

extern const TopicDesc kForm2;
extern const TopicDesc kForm3;
extern const TopicDesc kForm4;
extern const TopicDesc kForm5;
extern const TopicDesc kForm6;
extern const TopicDesc kForm7;
extern const TopicDesc kForm8;
extern const TopicDesc kForm9;
extern const TopicDesc kForm10;
extern const TopicDesc kForm11;
extern const TopicDesc kForm12;
extern const TopicDesc kForm13;
extern const TopicDesc kForm14;
extern const TopicDesc kForm15;
extern const TopicDesc kForm16;
extern const TopicDesc kForm17;
extern const TopicDesc kForm18;
extern const TopicDesc kForm19;
extern const TopicDesc kForm20;
extern const TopicDesc kForm21;
extern const TopicDesc kForm22;
extern const TopicDesc kForm23;
extern const TopicDesc kForm24;
extern const TopicDesc kForm25;
extern const TopicDesc kForm26;
extern const TopicDesc kForm28;
extern const TopicDesc kForm29;
extern const TopicDesc kForm30;
extern const TopicDesc kForm31;
extern const TopicDesc kForm32;
extern const TopicDesc kForm34;
extern const TopicDesc kForm35;
extern const TopicDesc kForm36;
extern const TopicDesc kForm37;
extern const TopicDesc kForm38;
extern const TopicDesc kForm39;
extern const TopicDesc kForm40;
extern const TopicDesc kForm41;
extern const TopicDesc kForm42;
extern const TopicDesc kForm43;
extern const TopicDesc kForm44;
extern const TopicDesc kForm45;
extern const TopicDesc kForm46;
extern const TopicDesc kForm47;
extern const TopicDesc kForm48;
extern const TopicDesc kForm49;
extern const TopicDesc kForm50;
extern const TopicDesc kForm52;
extern const TopicDesc kForm53;
extern const TopicDesc kForm54;
extern const TopicDesc kForm55;
extern const TopicDesc kForm56;
extern const TopicDesc kForm57;
extern const TopicDesc kForm58;
extern const TopicDesc kForm59;
extern const TopicDesc kForm60;
extern const TopicDesc kForm61;
extern const TopicDesc kForm62;
extern const TopicDesc kForm63;
extern const TopicDesc kForm64;
extern const TopicDesc kForm67;
extern const TopicDesc kForm68;
extern const TopicDesc kForm69;
extern const TopicDesc kForm70;
extern const TopicDesc kForm71;
extern const TopicDesc kForm72;
extern const TopicDesc kForm73;
extern const TopicDesc kForm75;
extern const TopicDesc kForm76;
extern const TopicDesc kForm77;
extern const TopicDesc kForm79;
extern const TopicDesc kForm80;
extern const TopicDesc kForm81;
extern const TopicDesc kForm82;
extern const TopicDesc kForm83;
extern const TopicDesc kForm84;
extern const TopicDesc kForm85;
extern const TopicDesc kForm86;
extern const TopicDesc kForm87;
extern const TopicDesc kForm88;
extern const TopicDesc kForm89;
extern const TopicDesc kForm92;
extern const TopicDesc kForm93;
extern const TopicDesc kForm94;
extern const TopicDesc kForm95;
extern const TopicDesc kForm97;
extern const TopicDesc kForm98;
extern const TopicDesc kForm99;
extern const TopicDesc kForm101;
extern const TopicDesc kForm102;
extern const TopicDesc kForm103;
extern const TopicDesc kForm104;
extern const TopicDesc kForm105;
extern const TopicDesc kForm106;
extern const TopicDesc kForm107;
extern const TopicDesc kForm108;
extern const TopicDesc kForm109;
extern const TopicDesc kForm110;
extern const TopicDesc kForm111;
extern const TopicDesc kForm112;
extern const TopicDesc kForm113;
extern const TopicDesc kForm114;
extern const TopicDesc kForm115;
extern const TopicDesc kForm116;
extern const TopicDesc kForm117;
extern const TopicDesc kForm118;
extern const TopicDesc kForm120;
extern const TopicDesc kForm121;
extern const TopicDesc kForm122;
extern const TopicDesc kForm123;
extern const TopicDesc kForm124;

namespace {

constexpr const TopicDesc* kTopics[] = {
    &kForm2,   &kForm3,   &kForm4,   &kForm5,   &kForm6,   &kForm7,   &kForm8,   &kForm9,   &kForm10,
    &kForm11,  &kForm12,  &kForm13,  &kForm14,  &kForm15,  &kForm16,  &kForm17,  &kForm18,  &kForm19,
    &kForm20,  &kForm21,  &kForm22,  &kForm23,  &kForm24,  &kForm25,  &kForm26,  &kForm28,  &kForm29,
    &kForm30,  &kForm31,  &kForm32,  &kForm34,  &kForm35,  &kForm36,  &kForm37,  &kForm38,  &kForm39,
    &kForm40,  &kForm41,  &kForm42,  &kForm43,  &kForm44,  &kForm45,  &kForm46,  &kForm47,  &kForm48,
    &kForm49,  &kForm50,  &kForm52,  &kForm53,  &kForm54,  &kForm55,  &kForm56,  &kForm57,  &kForm58,
    &kForm59,  &kForm60,  &kForm61,  &kForm62,  &kForm63,  &kForm64,  &kForm67,  &kForm68,  &kForm69,
    &kForm70,  &kForm71,  &kForm72,  &kForm73,  &kForm75,  &kForm76,  &kForm77,  &kForm79,  &kForm80,
    &kForm81,  &kForm82,  &kForm83,  &kForm84,  &kForm85,  &kForm86,  &kForm87,  &kForm88,  &kForm89,
    &kForm92,  &kForm93,  &kForm94,  &kForm95,  &kForm97,  &kForm98,  &kForm99,  &kForm101, &kForm102,
    &kForm103, &kForm104, &kForm105, &kForm106, &kForm107, &kForm108, &kForm109, &kForm110, &kForm111,
    &kForm112, &kForm113, &kForm114, &kForm115, &kForm116, &kForm117, &kForm118, &kForm120, &kForm121,
    &kForm122, &kForm123, &kForm124,
};

}  // namespace

std::span<const TopicDesc* const> AllTopics() {
  return kTopics;
}

}  // namespace varnello
