#include "windows/windows.h"

#include "windows/tform2.h"
#include "windows/tform3.h"
#include "windows/tform5.h"
#include "windows/tform6.h"
#include "windows/tform7.h"
#include "windows/tform8.h"

std::unique_ptr<TForm> CreateTForm2() {
    return std::make_unique<TForm2>();
}
std::unique_ptr<TForm> CreateTForm3() {
    return std::make_unique<TForm3>();
}
std::unique_ptr<TForm> CreateTForm5() {
    return std::make_unique<TForm5>();
}
std::unique_ptr<TForm> CreateTForm6() {
    return std::make_unique<TForm6>();
}
std::unique_ptr<TForm> CreateTForm7() {
    return std::make_unique<TForm7>();
}
std::unique_ptr<TForm> CreateTForm8() {
    return std::make_unique<TForm8>();
}
