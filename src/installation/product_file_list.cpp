#include "installation/product_file_list.h"

std::string ProductFileList(const std::string& productName) {
    std::string list;
    for (const ProductFile& file : kProductFiles) {
        list += file.role == ProductFile::Role::Program ? productName + ".exe" : file.name;
        list += ";";
    }
    return list;
}

std::string ProductProgramPath(const std::string& programFolder, const std::string& productName) {
    return programFolder + productName + ".exe";
}
