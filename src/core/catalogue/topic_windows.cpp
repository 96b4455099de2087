// The topic windows of the catalogue: every window file defines one constant descriptor, and a
// window belongs to the program by being listed here, in window-number order, with the folder of
// src/core/topics/ that holds its file. Nothing is registered at start-up; a descriptor missing
// from the build fails to link, one defined twice fails to link, and CheckWindowTables finds a
// window left out of the list, listed twice or out of order.
#include <array>

#include "core/catalogue/catalogue.h"
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

constexpr TopicRow kTopicRows[] = {
    {&kForm2, "financial"},     {&kForm3, "financial"},     {&kForm4, "financial"},
    {&kForm5, "financial"},     {&kForm6, "financial"},     {&kForm7, "financial"},
    {&kForm8, "financial"},     {&kForm9, "financial"},     {&kForm10, "financial"},
    {&kForm11, "financial"},    {&kForm12, "financial"},    {&kForm13, "financial"},
    {&kForm14, "financial"},    {&kForm15, "financial"},    {&kForm16, "sales"},
    {&kForm17, "sales"},        {&kForm18, "sales"},        {&kForm19, "sales"},
    {&kForm20, "sales"},        {&kForm21, "sales"},        {&kForm22, "sales"},
    {&kForm23, "sales"},        {&kForm24, "sales"},        {&kForm25, "sales"},
    {&kForm26, "sales"},        {&kForm28, "inventory"},    {&kForm29, "inventory"},
    {&kForm30, "inventory"},    {&kForm31, "inventory"},    {&kForm32, "inventory"},
    {&kForm34, "inventory"},    {&kForm35, "investments"},  {&kForm36, "investments"},
    {&kForm37, "investments"},  {&kForm38, "investments"},  {&kForm39, "investments"},
    {&kForm40, "investments"},  {&kForm41, "investments"},  {&kForm42, "investments"},
    {&kForm43, "investments"},  {&kForm44, "investments"},  {&kForm45, "investments"},
    {&kForm46, "fixedassets"},  {&kForm47, "fixedassets"},  {&kForm48, "fixedassets"},
    {&kForm49, "fixedassets"},  {&kForm50, "fixedassets"},  {&kForm52, "fixedassets"},
    {&kForm53, "fixedassets"},  {&kForm54, "fixedassets"},  {&kForm55, "fixedassets"},
    {&kForm56, "fixedassets"},  {&kForm57, "fixedassets"},  {&kForm58, "fixedassets"},
    {&kForm59, "fixedassets"},  {&kForm60, "intangibles"},  {&kForm61, "intangibles"},
    {&kForm62, "intangibles"},  {&kForm63, "intangibles"},  {&kForm64, "intangibles"},
    {&kForm67, "intangibles"},  {&kForm68, "inventory"},    {&kForm69, "sales"},
    {&kForm70, "sales"},        {&kForm71, "sales"},        {&kForm72, "inventory"},
    {&kForm73, "inventory"},    {&kForm75, "inventory"},    {&kForm76, "sales"},
    {&kForm77, "financial"},    {&kForm79, "financial"},    {&kForm80, "taxes"},
    {&kForm81, "taxes"},        {&kForm82, "taxes"},        {&kForm83, "taxes"},
    {&kForm84, "taxes"},        {&kForm85, "taxes"},        {&kForm86, "taxes"},
    {&kForm87, "taxes"},        {&kForm88, "taxes"},        {&kForm89, "taxes"},
    {&kForm92, "taxes"},        {&kForm93, "taxes"},        {&kForm94, "taxes"},
    {&kForm95, "taxes"},        {&kForm97, "taxes"},        {&kForm98, "taxes"},
    {&kForm99, "taxes"},        {&kForm101, "payroll"},     {&kForm102, "payroll"},
    {&kForm103, "payroll"},     {&kForm104, "inventory"},   {&kForm105, "inventory"},
    {&kForm106, "equity"},      {&kForm107, "fixedassets"}, {&kForm108, "fixedassets"},
    {&kForm109, "intangibles"}, {&kForm110, "inventory"},   {&kForm111, "sales"},
    {&kForm112, "sales"},       {&kForm113, "equity"},      {&kForm114, "equity"},
    {&kForm115, "investments"}, {&kForm116, "investments"}, {&kForm117, "investments"},
    {&kForm118, "investments"}, {&kForm120, "investments"}, {&kForm121, "equity"},
    {&kForm122, "equity"},      {&kForm123, "equity"},      {&kForm124, "equity"},
};

constexpr auto kTopics = [] {
  std::array<const TopicDesc*, std::size(kTopicRows)> topics{};
  for (std::size_t i = 0; i < topics.size(); ++i) topics[i] = kTopicRows[i].desc;
  return topics;
}();

}  // namespace

std::span<const TopicRow> TopicRows() {
  return kTopicRows;
}

std::span<const TopicDesc* const> AllTopics() {
  return kTopics;
}

}  // namespace varnello
