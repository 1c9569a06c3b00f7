#pragma once
// Every table of the checkout's own catalogue, by its alias. Each layout is
// defined once, in the source of its group (configuration, selling, fiscal
// day and cash, reference, back office); the catalogue (catalogue.hpp) points
// at these.

#include "store/layout.hpp"

namespace zelto::store::table {

// configuration and access rights (layouts_config.cpp)
extern const Layout CO;  // CONF.DBF, the configuration record
extern const Layout CG;  // M226.DBF, general parameters and payment forms
extern const Layout US;  // M001.DBF, operators
extern const Layout CF;  // M081.DBF, operators' screen preferences
extern const Layout GR;  // m002.dbf, operator groups
extern const Layout UG;  // m003.dbf, group membership
extern const Layout MO;  // M004.DBF, program functions
extern const Layout GM;  // m005.dbf, functions granted to a group
extern const Layout UM;  // M006.DBF, functions granted to an operator

// items, taxation, clients and the receipt being sold (layouts_sales.cpp)
extern const Layout IT;  // M206.DBF, items
extern const Layout A1;  // M370.DBF, ECF tax rates
extern const Layout IE;  // M214.DBF, tax situation to ECF rate
extern const Layout ST;  // M251.DBF, tax situations
extern const Layout CL;  // M216.DBF, clients
extern const Layout RO;  // M336.DBF, receipts
extern const Layout PC;  // M337.DBF, receipt items
extern const Layout Y2;  // m612.dbf, receipt payments
extern const Layout CR;  // m504.DBF, receipt instalments
extern const Layout IO;  // M500.DBF, items of the receipt being sold
extern const Layout P2;  // m522.DBF, instalments of the receipt being sold
extern const Layout Y3;  // m613.dbf, payments of the receipt being sold
extern const Layout Y7;  // m617.dbf, item change history

// fiscal days, printers, counters and cash (layouts_fiscal.cpp)
extern const Layout PD;  // PDV.DBF, fiscal days
extern const Layout Y1;  // m611.dbf, Z-reduction totalizers
extern const Layout Y4;  // m614.dbf, other ECF documents
extern const Layout EF;  // m350.dbf, fiscal printers
extern const Layout Y5;  // m615.dbf, authorised ECFs
extern const Layout NV;  // M230.DBF, counters
extern const Layout MV;  // M221.DBF, cash movements
extern const Layout RE;  // M245.DBF, cash periods
extern const Layout Y0;  // m610.dbf, error and communication log
extern const Layout P1;  // m521.DBF, exchange log

// reference tables (layouts_reference.cpp)
extern const Layout AM;  // M009.DBF, footer layout fields
extern const Layout TO;  // M276.DBF, printed layouts
extern const Layout LT;  // M277.DBF, lines of printed layouts
extern const Layout UD;  // M246.DBF, units of measure
extern const Layout FB;  // M247.DBF, manufacturers
extern const Layout TD;  // m231.dbf, document types
extern const Layout UN;  // M222.DBF, establishments
extern const Layout ET;  // M223.DBF, states
extern const Layout R8;  // m548.dbf, cities
extern const Layout D5;  // m405.dbf, countries
extern const Layout EP;  // M374.DBF, postal codes
extern const Layout Z9;  // m609.dbf, accountants
extern const Layout FO;  // m212.dbf, suppliers
extern const Layout NO;  // m258.dbf, operation natures
extern const Layout SE;  // m290.dbf, fiscal document series
extern const Layout ES;  // M501.DBF, stock entry and exit movements

// back-office tables the checkout opens but never reads (layouts_back_office.cpp)
extern const Layout HP;   // M007.DBF
extern const Layout OT;   // M008.DBF
extern const Layout IP;   // M255.DBF
extern const Layout IR;   // M271.DBF
extern const Layout RV;   // M294.DBF
extern const Layout IS;   // M502.DBF
extern const Layout TT;   // M503.DBF
extern const Layout ST1;  // SINTE1.DBF ... SINTE6.DBF, SINTEGRA summaries
extern const Layout ST2;
extern const Layout ST3;
extern const Layout ST4;
extern const Layout ST5;
extern const Layout ST6;
extern const Layout Y6;  // m616.dbf

}  // namespace zelto::store::table
