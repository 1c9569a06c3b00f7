// The front-end catalogue as G_ABREAR opens it. File names and keys are kept
// exactly as the system stores them, mixed case included: the keys are
// written into the index file headers, and other programs compare them.

#include "store/catalogue.hpp"

#include "store/tables.hpp"

namespace zelto::store {
namespace {

constexpr auto kShared = xbase::OpenMode::Shared;
constexpr auto kExclusive = xbase::OpenMode::Exclusive;
constexpr std::span<const IndexFile> kNoIndex;

constexpr IndexFile kPD[] = {
    {"PDVA.NTX", "Dtos(DATA)+situacao+pdv"},
    {"PDVB.NTX", "situacao+dtos(data)+pdv"},
};
constexpr IndexFile kCO[] = {{"CONFA.NTX", "IMPRESSORA"}};
constexpr IndexFile kUS[] = {{"M001A.NTX", "c001"}, {"M001B.NTX", "c002"}, {"M001C.NTX", "c004+c002"}};
constexpr IndexFile kGR[] = {{"m002a.ntx", "c005"}, {"m002b.ntx", "c006"}};
constexpr IndexFile kUG[] = {{"m003a.ntx", "c001+c005"}, {"m003b.ntx", "c005+c001"}};
constexpr IndexFile kMO[] = {{"M004A.NTX", "c007"}};
constexpr IndexFile kGM[] = {{"m005a.ntx", "c005+c007"}};
constexpr IndexFile kUM[] = {{"M006A.NTX", "c001+c007"}};
constexpr IndexFile kHP[] = {{"M007A.NTX", "c0071+C0077"}};
constexpr IndexFile kOT[] = {{"M008A.NTX", "c008001"}, {"M008B.NTX", "c008002"}};
constexpr IndexFile kAM[] = {{"M009A.NTX", "c950"}, {"M009B.NTX", "c951"}};
constexpr IndexFile kCF[] = {{"M081A.NTX", "C302"}};
constexpr IndexFile kIT[] = {
    {"M206A.NTX", "C012"},
    {"M206B.NTX", "C163+C012"},
    {"M206C.NTX", "c163+c030"},
    {"M206D.NTX", "C163+C676"},
    {"M206E.NTX", "C163+C666"},
    {"M206F.NTX", "c030"},
    {"M206G.NTX", "C676"},
    {"M206H.NTX", "C666"},
    {"M206I.NTX", "C708"},
};
constexpr IndexFile kFO[] = {
    {"m212a.ntx", "C042"},
    {"m212b.ntx", "C053"},
    {"m212c.ntx", "C063"},
    {"m212d.ntx", "C065+c053"},
    {"m212e.ntx", "c057"},
    {"m212f.ntx", "c070"},
};
constexpr IndexFile kIE[] = {{"M214A.NTX", "C100+C107+C478"}};
constexpr IndexFile kCL[] = {{"M216A.NTX", "C036"}, {"M216B.NTX", "C114"}, {"M216C.NTX", "C124"}};
constexpr IndexFile kMV[] = {{"M221A.NTX", "C037+C093+C077"}, {"M221B.NTX", "C101+dtos(c096)"}};
constexpr IndexFile kUN[] = {{"M222A.NTX", "C037"}, {"M222B.NTX", "C098"}, {"M222C.NTX", "C420"}};
constexpr IndexFile kET[] = {{"M223A.NTX", "C018"}, {"M223B.NTX", "C099"}};
constexpr IndexFile kTD[] = {{"m231a.ntx", "C130"}, {"m231b.ntx", "C131"}};
constexpr IndexFile kRE[] = {
    {"M245A.NTX", "C083+dtos(C096)+C104"},
    {"M245B.NTX", "C099+c083+dtos(C096)+C104"},
    {"M245C.NTX", "c083+c099+descend(c107)"},
};
constexpr IndexFile kUD[] = {{"M246A.NTX", "C408"}, {"M246B.NTX", "C409"}};
constexpr IndexFile kFB[] = {{"M247A.NTX", "C410"}, {"M247B.NTX", "C411"}};
constexpr IndexFile kST[] = {{"M251A.NTX", "C100"}, {"M251B.NTX", "C101"}};
constexpr IndexFile kIP[] = {{"M255A.NTX", "C478"}, {"M255B.NTX", "C479"}};
constexpr IndexFile kNO[] = {{"m258a.ntx", "C050"}, {"m258b.ntx", "C394+C482"}};
constexpr IndexFile kIR[] = {{"M271A.NTX", "C100+C107+C478+C018"}};
constexpr IndexFile kTO[] = {{"M276A.NTX", "C350"}, {"M276B.NTX", "c084+C351"}};
constexpr IndexFile kLT[] = {{"M277A.NTX", "C350+STR(C353,3)+STR(C354,3)"}, {"M277B.NTX", "C350"}};
constexpr IndexFile kSE[] = {{"m290a.ntx", "C317"}, {"m290b.ntx", "C318"}};
constexpr IndexFile kRV[] = {{"M294A.NTX", "c036"}};
constexpr IndexFile kRO[] = {
    {"M336A.NTX", "c037+c123+c125"},
    {"M336B.NTX", "c_001+dtos(c128)"},
    {"M336C.NTX", "dtos(c128)"},
};
constexpr IndexFile kPC[] = {
    {"M337A.NTX", "c037+c123+c125+dtos(c402)+c403"},
    {"M337B.NTX", "c037+c123+c125+dtos(c402)+c403+Strzero(c136,8)"},
};
constexpr IndexFile kEF[] = {{"m350a.ntx", "C123"}, {"m350b.ntx", "C124"}};
constexpr IndexFile kA1[] = {{"M370A.NTX", "C674"}, {"M370B.NTX", "C676"}, {"M370C.NTX", "C675"}};
constexpr IndexFile kEP[] = {{"M374A.NTX", "C973"}, {"M374B.NTX", "C974+C973"}};
constexpr IndexFile kIO[] = {{"M500A.NTX", "C012+c108"}, {"M500B.NTX", "C040+c012"}, {"M500C.NTX", "C400"}};
constexpr IndexFile kES[] = {
    {"M501A.NTX", "C037+c500+c501"},
    {"M501B.NTX", "dtos(c503)+c036"},
    {"M501C.NTX", "c036+dtos(c503)"},
    {"M501D.NTX", "c504+dtos(c503)+c502+c317+c509"},
    {"M501E.NTX", "c502+c317+c509+c036"},
};
constexpr IndexFile kIS[] = {{"M502A.NTX", "C037+c500+c501+c012"}};
constexpr IndexFile kTT[] = {{"M503A.NTX", "C012"}};
constexpr IndexFile kCR[] = {{"m504A.NTX", "c037+c123+c125+dtos(c402)+c403+C451"}};
constexpr IndexFile kST1[] = {{"SINTE1.NTX", "dtos(data)"}};
constexpr IndexFile kST2[] = {{"SINTE2.NTX", "dtos(data)+aliqu"}};
constexpr IndexFile kST3[] = {{"SINTE3.NTX", "dtos(data)+c012+aliqu"}};
constexpr IndexFile kST4[] = {{"SINTE4.NTX", "c125"}};
constexpr IndexFile kST5[] = {{"SINTE5.NTX", "c012+aliqu"}};
constexpr IndexFile kP1[] = {
    {"m521A.NTX", "c037+c800+c801"},
    {"m521B.NTX", "c802+descend(dtos(c262)+c263)+c001"},
};
constexpr IndexFile kP2[] = {{"m522A.NTX", "c451"}};
constexpr IndexFile kD5[] = {{"m405a.ntx", "c100"}, {"m405b.ntx", "c101"}};
constexpr IndexFile kR8[] = {{"m548a.ntx", "c401"}, {"m548b.ntx", "c402"}};
constexpr IndexFile kZ9[] = {{"m609a.ntx", "c800"}, {"m609b.ntx", "c801"}};
constexpr IndexFile kY0[] = {{"m610a.ntx", "descend(dtos(c902)+c903)"}};
constexpr IndexFile kY1[] = {{"m611a.ntx", "dtos(data)+pdv+NroCoo"}};
constexpr IndexFile kY2[] = {
    {"m612a.ntx", "c037+c123+c125+dtos(c402)+c403+C451"},
    {"m612b.ntx", "dtos(c402)+c403"},
};
constexpr IndexFile kY3[] = {{"m613a.ntx", "C451"}};
constexpr IndexFile kY4[] = {{"m614a.ntx", "dtos(data)+pdv+NroCoo"}};
constexpr IndexFile kY5[] = {{"m615a.ntx", "c300"}};
constexpr IndexFile kY6[] = {{"m616a.ntx", "dtos(c600)"}};
constexpr IndexFile kY7[] = {{"m617a.ntx", "c012+descend(dtos(c700))"}, {"m617b.ntx", "dtos(c700)+c012"}};

constexpr CatalogueEntry kCatalogue[] = {
    {&table::PD, kShared, kPD},
    {&table::CO, kShared, kCO},
    {&table::US, kShared, kUS},
    {&table::GR, kShared, kGR},
    {&table::UG, kShared, kUG},
    {&table::MO, kShared, kMO},
    {&table::GM, kShared, kGM},
    {&table::UM, kShared, kUM},
    {&table::HP, kShared, kHP},
    {&table::OT, kShared, kOT},
    {&table::AM, kShared, kAM},
    {&table::CF, kShared, kCF},
    {&table::IT, kShared, kIT},
    {&table::FO, kShared, kFO},
    {&table::IE, kShared, kIE, Opener::G_AB_IE},
    {&table::CL, kShared, kCL},
    {&table::MV, kShared, kMV},
    {&table::UN, kShared, kUN},
    {&table::ET, kShared, kET},
    {&table::CG, kShared, kNoIndex},
    {&table::NV, kShared, kNoIndex},
    {&table::TD, kShared, kTD},
    {&table::RE, kShared, kRE},
    {&table::UD, kShared, kUD},
    {&table::FB, kShared, kFB},
    {&table::ST, kShared, kST, Opener::G_AB_ST},
    {&table::IP, kShared, kIP},
    {&table::NO, kShared, kNO},
    {&table::IR, kShared, kIR, Opener::G_AB_IR},
    {&table::TO, kShared, kTO},
    {&table::LT, kShared, kLT},
    {&table::SE, kShared, kSE},
    {&table::RV, kShared, kRV},
    {&table::RO, kShared, kRO},
    {&table::PC, kShared, kPC},
    {&table::EF, kShared, kEF},
    {&table::A1, kShared, kA1, Opener::G_AB_A1},
    {&table::EP, kShared, kEP},
    {&table::IO, kExclusive, kIO},
    {&table::ES, kExclusive, kES},
    {&table::IS, kExclusive, kIS},
    {&table::TT, kExclusive, kTT},
    {&table::CR, kShared, kCR},
    {&table::ST1, kExclusive, kST1},
    {&table::ST2, kExclusive, kST2},
    {&table::ST3, kExclusive, kST3},
    {&table::ST4, kExclusive, kST4},
    {&table::ST5, kExclusive, kST5},
    {&table::ST6, kExclusive, kNoIndex},
    {&table::P1, kShared, kP1},
    {&table::P2, kExclusive, kP2},
    {&table::D5, kShared, kD5},
    {&table::R8, kShared, kR8},
    {&table::Z9, kShared, kZ9},
    {&table::Y0, kShared, kY0},
    {&table::Y1, kShared, kY1},
    {&table::Y2, kShared, kY2},
    {&table::Y3, kExclusive, kY3},
    {&table::Y4, kExclusive, kY4},
    {&table::Y5, kExclusive, kY5},
    {&table::Y6, kExclusive, kY6},
    {&table::Y7, kExclusive, kY7},
};

}  // namespace

std::span<const CatalogueEntry> front_end_catalogue() { return kCatalogue; }

}  // namespace zelto::store
