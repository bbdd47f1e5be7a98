// The help text of the program (Slovenian, Windows-1250: the letter c with
// caron is the byte 0xE8), written to standard error.
#include "src/Quintavelmor_Help.h"

#include <iostream>

namespace {

const char* const kHelpLines[] = {
    "==========================================================================",
    "PROGRAM: Quintavelmor.exe",
    "NAMEN:   Program za izpis enojnih kodnih/faznih razlik in linearnih",
    "         kombinacij kodnih/faznih razlik.",
    "==========================================================================",
    "",
    "UPORABA:",
    "========",
    "Program Quintavelmor.exe je konzolni program za izpis enojnih kodnih in",
    "enojnih faznih razlik GNSS ter pripadajo\xE8ih linearnih kombinacij.",
    "Program deluje tako, da se ga klice iz ukazne vrstice DOS-a s podanimi",
    "parametri. V izogib klicanju programa iz DOS-a je mozno napisati datoteko",
    "s koncnico *.bat (angl. batch file), kamor vnesemo ukaze za DOS.",
    "",
    "Program se uporablja na sledeci nacin:",
    "Quintavelmor.exe -oSDIF_FILE [-gfGLONASS_FREQ -pSAT_PRN -lOBS_LIST",
    "          -sSTART_EPH -eEND_EPH -tINTERVAL -v] > SDIF_DATOTEKA",
    "",
    "",
    "PARAMETRI:",
    "==========",
    "",
    "-o             Datoteka enojnih kodnih/faznih razlik.",
    "",
    "-cs            Podaja sisteme GNSS, ki naj se obdelajo (G-GPS, R-GLN, E-GAL)",
    "               -csGRE ali -csG ali -csGE ali -csR ...",
    "",
    "-gf            Datoteka s frekven\xE8nimi kanali za satelite GLONASS.",
    "",
    "-p             Seznam satelitov, za katere zelimo izpisati opazovanja in",
    "               pripadajoce linearne kombinacije. Podajanje:",
    "               -pG01G03G23R02",
    "",
    "-l             Seznam z opazovanji in linearnimi kombinacijami:",
    "               -lC1:P2:L1:L2:P4:L4:MW",
    "               Opazovanja so: C1 P1 P2 L1 L2",
    "               Linearne kombinacije: L4 Pc4 Pp4 L3 Pc3 Pp3 MWc MWp MC1 MP2",
    "",
    "-s             Zacetna epoha sestave faznih/kodnih razlik. Oblika podajanja",
    "               epohe: -sYYYY-MM-DD/HH:MM:SS.SSS",
    "",
    "-e             Koncna epoha sestave faznih/kodnih razlik. Oblika podajanja",
    "               epohe: -eYYYY-MM-DD/HH:MM:SS.SSS",
    "",
    "-t             Interval racunanja faznih razlik ~ interval registracije faznih",
    "               razlik (enote sekunde): -t30",
    "",
    "-u[C|M]        Podajanje enot faznih opazovanj - enojnih razlik: ",
    "                -uC - celi valovi (full cycles)",
    "                -uM - metri (dolzinska enota)",
    "",
    "-d             Najvecja mozna razlika epohe baze in roverja za definicijo",
    "               skupne epohe: -d0.01",
    "",
    "-v             T.i. \"verbose mode\" - podrobnejsi izpis postopka",
    "               obdelave",
    "",
    "-help          Izpise vsebino te datoteke. Poda pomoc za uporabo programa.",
};

}  // namespace

void QuintavelmorHelp() {
  std::cerr << std::endl;
  for (const char* line : kHelpLines) std::cerr << line << std::endl;
  std::cerr << std::endl << std::endl;
}
