#include "engine/frame/PlayerMain.h"

int main(int argc, char** argv) { return vn::RunPlayer(vn::Sigmarion3Profile(), argc, argv); }
