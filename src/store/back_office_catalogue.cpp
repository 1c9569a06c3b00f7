// The back office's tables opened on demand, with their keys quoted exactly
// as the back office stores them: the keys are written into index file
// headers that the back office reads too.

#include "store/back_office_catalogue.hpp"

#include "platform/os/file_lookup.hpp"

namespace zelto::store {
namespace {

constexpr IndexFile kA1[] = {{"m370a.ntx", "C674"}, {"m370b.ntx", "C676"}, {"m370c.ntx", "C675"}};
constexpr IndexFile kBA[] = {
    {"m213a.ntx", "C108+C012+DTOS(C065)+C066"},
    {"m213b.ntx", "C012+DTOS(C065)+C066"},
    {"m213c.ntx", "C070+C012+DTOS(C065)+C066"},
    {"m213d.ntx", "C070+DTOS(C065)+C012+C066"},
    {"m213e.ntx", "C012+descend(DTOS(C065)+c070)"},
    {"m213f.ntx", "C037+C068+C069+C012+dtos(c071)"},
    {"m213g.ntx", "C108+C070+DTOS(C065)"},
    {"m213h.ntx", "dtos(c065)+c108+c012"},
    {"m213i.ntx", "c037+c074+c075"},
};
constexpr IndexFile kCL[] = {
    {"m216a.ntx", "C036"},
    {"m216b.ntx", "C114"},
    {"m216c.ntx", "C124"},
    {"m216d.ntx", "m2921DD(C374)"},
    {"m216e.ntx", "c118"},
    {"m216f.ntx", "c406"},
};
constexpr IndexFile kCM[] = {
    {"m211a.ntx", "C037+C040+C475"},
    {"m211b.ntx", "c802+C042+DTOS(C051)"},
    {"m211c.ntx", "c802+DTOS(C051)+C042"},
    {"m211d.ntx", "C493+DTOS(C051)"},
    {"m211e.ntx", "c802+DTOS(C051)+C493"},
    {"m211f.ntx", "c802+C037+DTOS(C051)"},
    {"m211g.ntx", "c802+C042+C317+C041"},
};
constexpr IndexFile kCP[] = {
    {"m218a.ntx", "C037+C432+C433"},
    {"m218b.ntx", "C042+C037+C432+C433"},
    {"m218c.ntx", "C037+C040+C475+c042+c489"},
};
constexpr IndexFile kCR[] = {
    {"m217a.ntx", "C037+C449+C450"},
    {"m217b.ntx", "C036+C037+C449+C450"},
    {"m217c.ntx", "C037+C458+C033+c036+C489"},
};
constexpr IndexFile kDD[] = {
    {"m296a.ntx", "C037+C040+C475"},
    {"m296b.ntx", "C037C211+C040C211+C475C211"},
    {"m296c.ntx", "c802+C042+DTOS(C051)"},
    {"m296d.ntx", "c802+C014+DTOS(C051)"},
    {"m296e.ntx", "c037+c317+c041"},
    {"m296f.ntx", "c802+DTOS(C051)"},
};
constexpr IndexFile kDI[] = {{"m269a.ntx", "C037+C040+C475+C012+c494"}, {"m269b.ntx", "C485"}};
constexpr IndexFile kE9[] = {
    {"m419a.ntx", "C037+C040+C475"},
    {"m419b.ntx", "c802+C042+DTOS(C051)"},
    {"m419c.ntx", "c802+DTOS(C051)+c042"},
    {"m419d.ntx", "c037+c317+c041"},
};
constexpr IndexFile kEF[] = {{"m350a.ntx", "C123"}, {"m350b.ntx", "C124"}};
constexpr IndexFile kES[] = {{"m201a.ntx", "C108+C012"}, {"m201b.ntx", "C012+C108"}};
constexpr IndexFile kF0[] = {{"m420a.ntx", "C037+C040+C475+C012"}, {"m420b.ntx", "left(C485,14)+C012+c037+c040+C475"}};
constexpr IndexFile kFO[] = {
    {"m212a.ntx", "C042"},
    {"m212b.ntx", "C053"},
    {"m212c.ntx", "C063"},
    {"m212d.ntx", "C065+c053"},
    {"m212e.ntx", "c057"},
    {"m212f.ntx", "c070"},
};
constexpr IndexFile kGI[] = {{"m205a.ntx", "C028+C012"}, {"m205b.ntx", "C012+C028"}};
constexpr IndexFile kI0[] = {{"m450a.ntx", "c037+c460+c461"}, {"m450b.ntx", "c462+c463+c478"}};
constexpr IndexFile kI7[] = {
    {"m457a.ntx", "c037+c676+c677"},
    {"m457b.ntx", "c801+c036+dtos(c112)"},
    {"m457c.ntx", "c801+dtos(c112)"},
    {"m457d.ntx", "c037+C317+C074"},
};
constexpr IndexFile kI8[] = {{"m458a.ntx", "C037+C676+C677+C012"}};
constexpr IndexFile kIC[] = {
    {"m209a.ntx", "C037+C040+C475+C012+C490"},
    {"m209b.ntx", "c163+c012+c037+C040+C475"},
    {"m209c.ntx", "C012+DESCEND(C040+C475)"},
    {"m209d.ntx", "C037+C040+C475+C490"},
    {"m209e.ntx", "C163+C037+C040+C475"},
};
constexpr IndexFile kIE[] = {{"m214a.ntx", "C100+c200+C107+C478"}};
constexpr IndexFile kIN[] = {{"m279a.ntx", "C037+C040+C475+C012+C494"}, {"m279b.ntx", "C037+C040+C475"}};
constexpr IndexFile kIR[] = {{"m271a.ntx", "C100+c200+C107+C478+C018"}};
constexpr IndexFile kIT[] = {
    {"m206a.ntx", "C012"},
    {"m206b.ntx", "C030"},
    {"m206c.ntx", "C163+C410+C030"},
    {"m206d.ntx", "C163+C012"},
    {"m206e.ntx", "C163+C030"},
    {"m206f.ntx", "C666"},
    {"m206g.ntx", "C676"},
    {"m206h.ntx", "C708"},
};
constexpr IndexFile kIV[] = {
    {"m207a.ntx", "C037+C458+C033+C012+c494"},
    {"m207b.ntx", "C012+C037+C458+C033"},
    {"m207c.ntx", "C163+c012+C037+C458+C033"},
    {"m207d.ntx", "C163+C012"},
    {"m207e.ntx", "C037+C458+C033"},
    {"m207f.ntx", "C500"},
};
constexpr IndexFile kN5[] = {
    {"m505a.ntx", "c777+c333+c123"},
    {"m505b.ntx", "c777+c123+c333"},
    {"m505c.ntx", "c037+c778+c779"},
    {"m505d.ntx", "c777+descend(c333)+c123"},
};
constexpr IndexFile kN6[] = {{"m506a.ntx", "c777+c333+c123+dtos(c444)"}, {"m506b.ntx", "c037+c778+c779+dtos(c444)"}};
constexpr IndexFile kN7[] = {
    {"m507a.ntx", "c777+c333+c123+dtos(c444)+c555"},
    {"m507b.ntx", "c037+c778+c779+dtos(c444)+c555"},
};
constexpr IndexFile kN8[] = {
    {"m508a.ntx", "c777+c333+c123+dtos(c444)+c037+c123+c125"},
    {"m508b.ntx", "c037+c458+c033+c777+c333+c123+dtos(c444)"},
    {"m508c.ntx", "c037+c778+c779+dtos(c444)"},
};
constexpr IndexFile kN9[] = {
    {"m509a.ntx", "c777+c333+c123+dtos(c444)+c037+c123+c125+c012"},
    {"m509b.ntx", "c778+c779+c037+c458+c033+c012+c494"},
    {"m509c.ntx", "c037+c778+c779+dtos(c444)+c555"},
    {"m509d.ntx", "c037+c778+c779+c555+dtos(c444)"},
    {"m509e.ntx", "c037+c778+c779+c012+c555+dtos(c444)"},
};
constexpr IndexFile kNG[] = {{"m346a.ntx", "C037+C458+C033+C012"}, {"m346b.ntx", "C037+C458+C033"}};
constexpr IndexFile kNO[] = {{"m258a.ntx", "C050"}, {"m258b.ntx", "C394+C482"}};
constexpr IndexFile kNS[] = {
    {"m347a.ntx", "C037+C458+C033"},
    {"m347b.ntx", "c801+C036+DTOS(C112)+C113"},
    {"m347c.ntx", "c801+DTOS(C112)+C113"},
    {"m347d.ntx", "C037+C317+C074"},
};
constexpr IndexFile kO0[] = {
    {"m510a.ntx", "c777+c333+c123+dtos(c444)+c012+c555"},
    {"m510b.ntx", "c037+c778+c779+dtos(c444)+c555"},
};
constexpr IndexFile kO1[] = {
    {"m511a.ntx", "c037+c918+c919"},
    {"m511b.ntx", "c924+c923+c037"},
    {"m511c.ntx", "c924+c037+c923"},
    {"m511d.ntx", "c924+c037+descend(c923)"},
};
constexpr IndexFile kO2[] = {{"m512a.ntx", "c037+c918+c919+dtos(c972)+c970+c973+c974"}};
constexpr IndexFile kO3[] = {{"m513a.ntx", "c037+c918+c919+c999+c980"}};
constexpr IndexFile kO4[] = {{"m514a.ntx", "c037+c918+c919+c555+c970"}, {"m514b.ntx", "c037+c918+c919+c970+c555"}};
constexpr IndexFile kO5[] = {
    {"m515a.ntx", "c037+c918+c919+c778+c779+dtos(c444)"},
    {"m515b.ntx", "c037+c918+c919+c123+dtos(c444)"},
};
constexpr IndexFile kO6[] = {{"m516a.ntx", "c037+c918+c919+c778+c779+dtos(c444)+c555"}};
constexpr IndexFile kO7[] = {{"m517a.ntx", "c037+c918+c919+c778+c779+dtos(c444)+c555"}};
constexpr IndexFile kO8[] = {{"m518a.ntx", "c037+c918+c919+c778+c779+dtos(c444)+c555"}};
constexpr IndexFile kOA[] = {{"m248a.ntx", "C037+C676+C677+C012"}, {"m248b.ntx", "C037+C676+C677"}};
constexpr IndexFile kOC[] = {{"m300a.ntx", "C037+C449+C450+C451"}};
constexpr IndexFile kOE[] = {
    {"m252a.ntx", "c037+c676+c677"},
    {"m252b.ntx", "c801+c036+dtos(c112)"},
    {"m252c.ntx", "c801+dtos(c112)"},
    {"m252d.ntx", "c037+C317+C074"},
};
constexpr IndexFile kON[] = {{"m254a.ntx", "C037+C676+C677+C012"}, {"m254b.ntx", "C037+C676+C677"}};
constexpr IndexFile kOR[] = {
    {"m265a.ntx", "C037+C458+C033+C012+C494+DTOS(C456)"},
    {"m265b.ntx", "C461+C012+DTOS(C456)"},
    {"m265c.ntx", "C461+C036+DTOS(C456)"},
    {"m265d.ntx", "C461+DTOS(C456)+c036+c012"},
};
constexpr IndexFile kOU[] = {
    {"m295a.ntx", "c037+c676+c677"},
    {"m295b.ntx", "c801+c036+dtos(c112)"},
    {"m295c.ntx", "c801+c037+dtos(c112)"},
    {"m295d.ntx", "c801+dtos(c112)"},
    {"m295e.ntx", "c037+c317+c074"},
};
constexpr IndexFile kP6[] = {{"m526a.ntx", "c037+c918+c919+c980"}};
constexpr IndexFile kP7[] = {{"m527a.ntx", "c037+c918+c919+c980"}, {"m527b.ntx", "c037+c918+c919+c990"}};
constexpr IndexFile kP8[] = {{"m528a.ntx", "c037+c918+c919+c980"}};
constexpr IndexFile kP9[] = {{"m529a.ntx", "c037+c918+c919+c980"}, {"m529b.ntx", "c037+c918+c919+c990"}};
constexpr IndexFile kPB[] = {
    {"m250a.ntx", "C037+C449+C450+C451"},
    {"m250b.ntx", "C457+C036+DTOS(C453)"},
    {"m250c.ntx", "C457+DTOS(C453)+C036"},
    {"m250d.ntx", "C457+DTOS(C455)+C036"},
    {"m250e.ntx", "C457+C036+DTOS(C455)"},
    {"m250f.ntx", "C457+C037+DTOS(C453)"},
    {"m250g.ntx", "C457+C037+DTOS(C455)"},
    {"m250h.ntx", "C457+C394+DTOS(C455)"},
    {"m250i.ntx", "C457+C394+c036+DTOS(C455)"},
};
constexpr IndexFile kPC[] = {
    {"m249a.ntx", "C037+C432+C433+C437"},
    {"m249b.ntx", "C444+c702+C042+DTOS(C439)"},
    {"m249c.ntx", "C444+DTOS(C439)+c702+C042"},
    {"m249d.ntx", "C444+DTOS(C441)+c702+C042"},
    {"m249e.ntx", "C444+c702+C042+DTOS(C441)"},
    {"m249f.ntx", "C444+C037+DTOS(C439)"},
    {"m249g.ntx", "C444+C037+DTOS(C441)"},
};
constexpr IndexFile kPE[] = {
    {"m210a.ntx", "C037+C192+C193"},
    {"m210b.ntx", "c801+c802+C042+DTOS(C112)+C113"},
    {"m210c.ntx", "c801+c802+DTOS(C112)+C113"},
    {"m210d.ntx", "c801+c802+c193"},
    {"m210e.ntx", "c802+DTOS(C112)"},
};
constexpr IndexFile kPM[] = {
    {"m288a.ntx", "C037+C040+C475"},
    {"m288b.ntx", "C037C211+C040C211+C475C211"},
    {"m288c.ntx", "c802+C042+DTOS(C051)"},
    {"m288d.ntx", "c037+C317+c041"},
    {"m288e.ntx", "c802+DTOS(C051)"},
};
constexpr IndexFile kPT[] = {{"m287a.ntx", "C037+C040+C475+C012+C490"}, {"m287b.ntx", "c163+c012"}};
constexpr IndexFile kQ0[] = {{"m530a.ntx", "c037+c918+c919+c980"}};
constexpr IndexFile kQ8[] = {
    {"m538a.ntx", "c123+c321+c322"},
    {"m538b.ntx", "c123+c338+dtos(c326)+c323+c332"},
    {"m538c.ntx", "c341"},
    {"m538d.ntx", "c123+dtos(c326)+c323+c332"},
};
constexpr IndexFile kQ9[] = {{"m539a.ntx", "c123+c321+c322+c478+c430+str(c425,5,2)+c427"}};
constexpr IndexFile kR0[] = {{"m540a.ntx", "c037+c918+c919+c999"}};
constexpr IndexFile kR1[] = {
    {"m541a.ntx", "c123+c321+c322"},
    {"m541b.ntx", "c123+c442+c417+dtos(c428)+c413+c414"},
    {"m541c.ntx", "c123+c401+c402"},
    {"m541d.ntx", "c123+c918+c919"},
    {"m541e.ntx", "c123+dtos(c428)+c442+c417"},
};
constexpr IndexFile kR2[] = {{"m542a.ntx", "c444"}, {"m542b.ntx", "c448+c444"}};
constexpr IndexFile kR3[] = {{"m543a.ntx", "c123+c321+c322"}};
constexpr IndexFile kR4[] = {{"m544a.ntx", "c123+c211+c212"}, {"m544b.ntx", "c123+c324+c217+left(dtos(c213),6)+c214"}};
constexpr IndexFile kR5[] = {{"m545a.ntx", "c037+c918+c919+c999+c800"}};
constexpr IndexFile kR6[] = {{"m546a.ntx", "c986"}, {"m546b.ntx", "c987"}};
constexpr IndexFile kRE[] = {{"m245a.ntx", "C083+dtos(C096)+c104"}};
constexpr IndexFile kRO[] = {{"m306a.ntx", "c037+c449+c450+c451+C012"}};
constexpr IndexFile kS3[] = {{"m553a.ntx", "c037+c918+c919+dtos(c831)+c832+c833+c834+c835"}};
constexpr IndexFile kS4[] = {{"m554a.ntx", "c037+c918+c919+dtos(c831)+c832+c833+c834+c835+c980"}};
constexpr IndexFile kS5[] = {{"m555a.ntx", "c037+c918+c919+c880+c881+c882"}};
constexpr IndexFile kS6[] = {{"m556a.ntx", "c037+c918+c919+c880+c881+c882"}};
constexpr IndexFile kS7[] = {{"m557a.ntx", "c037+c918+c919+c123"}};
constexpr IndexFile kS8[] = {{"m558a.ntx", "c037+c918+c919+c123+c012+c555"}};
constexpr IndexFile kS9[] = {
    {"m559a.ntx", "c037+c931+c932"},
    {"m559b.ntx", "c941+dtos(c938)+c933+c074"},
    {"m559c.ntx", "c036042+c317+c074"},
    {"m559d.ntx", "c037+c317+c074"},
};
constexpr IndexFile kSE[] = {{"m290a.ntx", "C317"}, {"m290b.ntx", "C318"}};
constexpr IndexFile kST[] = {{"m251a.ntx", "C100+c200"}, {"m251b.ntx", "C101"}};
constexpr IndexFile kUI[] = {{"m348a.ntx", "C123+C125"}, {"m348b.ntx", "c037+C123+C125"}};
constexpr IndexFile kUN[] = {{"m222a.ntx", "C037"}, {"m222b.ntx", "C098"}, {"m222c.ntx", "C420"}};
constexpr IndexFile kUP[] = {{"m349a.ntx", "C123+C125+c012"}};
constexpr IndexFile kVD[] = {
    {"m208a.ntx", "C037+C458+C033"},
    {"m208b.ntx", "c801+C014+DESCEND(DTOS(C112))+C113"},
    {"m208c.ntx", "C014+DTOS(C112)+C113"},
    {"m208d.ntx", "c801+C036+DTOS(C112)+C113"},
    {"m208e.ntx", "c801+C037+DTOS(C112)+C113"},
    {"m208f.ntx", "c801+DTOS(C112)+C113"},
    {"m208g.ntx", "C037+C317+C074"},
    {"m208h.ntx", "c801+C800+dtos(C112)"},
    {"m208i.ntx", "c801+C012+dtos(C112)"},
    {"m208j.ntx", "c801+C768+dtos(C112)"},
};
constexpr IndexFile kZ6[] = {{"m606a.ntx", "c037+c778+c779+c481"}};
constexpr IndexFile kZ8[] = {{"m608a.ntx", "c037+c918+c919+c999+c481"}};

constexpr BackOfficeEntry kCatalogue[] = {
    // counters, general parameters and fiscal options: no index files
    {"m230.dbf", "NV", {}, BackOfficeOpen::ExclusiveWaiting},
    {"m226.dbf", "CG"},
    {"m326.dbf", "CG1"},
    {"m370.dbf", "A1", kA1},
    {"m213.dbf", "BA", kBA},
    {"m216.dbf", "CL", kCL},
    {"m211.dbf", "CM", kCM},
    {"m218.dbf", "CP", kCP},
    {"m217.dbf", "CR", kCR},
    {"m296.dbf", "DD", kDD},
    {"m269.dbf", "DI", kDI},
    {"m419.dbf", "E9", kE9},
    {"m350.dbf", "EF", kEF},
    {"m201.dbf", "ES", kES},
    {"m420.dbf", "F0", kF0},
    {"m212.dbf", "FO", kFO},
    {"m205.dbf", "GI", kGI},
    {"m450.dbf", "I0", kI0},
    {"m457.dbf", "I7", kI7},
    {"m458.dbf", "I8", kI8},
    {"m209.dbf", "IC", kIC},
    {"m214.dbf", "IE", kIE},
    {"m279.dbf", "IN", kIN},
    {"m271.dbf", "IR", kIR},
    {"m206.dbf", "IT", kIT},
    {"m207.dbf", "IV", kIV},
    {"m505.dbf", "N5", kN5},
    {"m506.dbf", "N6", kN6},
    {"m507.dbf", "N7", kN7},
    {"m508.dbf", "N8", kN8},
    {"m509.dbf", "N9", kN9},
    {"m346.dbf", "NG", kNG},
    {"m258.dbf", "NO", kNO},
    {"m347.dbf", "NS", kNS},
    {"m510.dbf", "O0", kO0},
    {"m511.dbf", "O1", kO1},
    {"m512.dbf", "O2", kO2},
    {"m513.dbf", "O3", kO3},
    {"m514.dbf", "O4", kO4},
    {"m515.dbf", "O5", kO5},
    {"m516.dbf", "O6", kO6},
    {"m517.dbf", "O7", kO7},
    {"m518.dbf", "O8", kO8},
    {"m248.dbf", "OA", kOA},
    {"m300.dbf", "OC", kOC},
    {"m252.dbf", "OE", kOE},
    {"m254.dbf", "ON", kON},
    {"m265.dbf", "OR", kOR},
    {"m295.dbf", "OU", kOU},
    {"m526.dbf", "P6", kP6},
    {"m527.dbf", "P7", kP7},
    {"m528.dbf", "P8", kP8},
    {"m529.dbf", "P9", kP9},
    {"m250.dbf", "PB", kPB},
    {"m249.dbf", "PC", kPC},
    {"m210.dbf", "PE", kPE},
    {"m288.dbf", "PM", kPM},
    {"m287.dbf", "PT", kPT},
    {"m530.dbf", "Q0", kQ0},
    {"m538.dbf", "Q8", kQ8},
    {"m539.dbf", "Q9", kQ9},
    {"m540.dbf", "R0", kR0},
    {"m541.dbf", "R1", kR1},
    {"m542.dbf", "R2", kR2},
    {"m543.dbf", "R3", kR3},
    {"m544.dbf", "R4", kR4},
    {"m545.dbf", "R5", kR5},
    {"m546.dbf", "R6", kR6},
    {"m245.dbf", "RE", kRE},
    {"m306.dbf", "RO", kRO},
    {"m553.dbf", "S3", kS3},
    {"m554.dbf", "S4", kS4},
    {"m555.dbf", "S5", kS5},
    {"m556.dbf", "S6", kS6},
    {"m557.dbf", "S7", kS7},
    {"m558.dbf", "S8", kS8},
    {"m559.dbf", "S9", kS9},
    {"m290.dbf", "SE", kSE},
    {"m251.dbf", "ST", kST},
    {"m348.dbf", "UI", kUI},
    {"m222.dbf", "UN", kUN},
    {"m349.dbf", "UP", kUP},
    {"m208.dbf", "VD", kVD},
    {"m606.dbf", "Z6", kZ6},
    {"m608.dbf", "Z8", kZ8},
};

}  // namespace

std::span<const BackOfficeEntry> back_office_catalogue() { return kCatalogue; }

const BackOfficeEntry* find_back_office_entry(std::string_view alias) {
  for (const auto& entry : kCatalogue)
    if (os::iequals(entry.alias, alias)) return &entry;
  return nullptr;
}

std::vector<xbase::OrderSpec> order_specs(const BackOfficeEntry& entry) {
  std::vector<xbase::OrderSpec> defs;
  defs.reserve(entry.orders.size());
  for (const IndexFile& index : entry.orders) defs.push_back({std::string(index.file), std::string(index.key)});
  return defs;
}

}  // namespace zelto::store
