// Build tool: makes the shipped, empty Quillby.mdb from the schema, keeping any existing file.
// Usage: quillby_make_database <schema.sql> <Quillby.mdb>
#include "DbMaker.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <schema.sql> <database file>\n";
        return 2;
    }
    std::string error;
    switch (MakeDatabaseFile(argv[1], argv[2], error)) {
    case MakeResult::Created:
        std::cout << "Created " << argv[2] << "\n";
        return 0;
    case MakeResult::KeptExisting:
        std::cout << "Kept the existing " << argv[2] << "\n";
        return 0;
    case MakeResult::Failed:
        break;
    }
    std::cerr << "Cannot make the database " << error << "\n";
    return 1;
}
