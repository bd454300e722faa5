// corvobj - lists registered classes, shows their members and calls them, through the C ABI only.
//
//   corvobj list                          registered ProgIDs, classes and libraries
//   corvobj members PROGID                every member and event of the class, its identities and
//                                         the enumerations its members use
//   corvobj enums [PROGID]                the enumerations of the library serving PROGID (of every
//                                         registered library when left out)
//   corvobj call PROGID MEMBER [ARG...]   calls a method or reads a property (MEMBER: a name or
//                                         #dispid) with typed literal arguments, prints the result
//
// Any failure prints a message on stderr and exits with status 2; output that cannot be written,
// with status 1.
#include "Corvobj.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    return corvobj::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
