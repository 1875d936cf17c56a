#include "engine/frame/PlayerMain.h"

int main(int argc, char** argv) { return vn::RunPlayer(vn::PocketPcProfile(), argc, argv); }
