#include "installation/product_file_list.h"

std::string ProductFileList(const std::string& productName) {
    return productName +
           ".exe;uninstall.exe;"
           "nvf.cok;nvm0.cok;nvm1.cok;nvm2.cok;nvm3.cok;nvm4.cok;nvm5.cok;nvn.cok;"
           "nvq1.cok;nvq2.cok;nvq3.cok;nvq4.cok;nvq5.cok;nvq6.cok;nvq7.cok;nvq8.cok;"
           "nvq9.cok;nvq10.cok;nvq11.cok;nvq12.cok;nvq13.cok;nvq14.cok;nvq15.cok;"
           "nvs.cok;nvt.cok;nvy.cok;"
           "riched32.dll;";
}
