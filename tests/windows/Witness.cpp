// A window of another program beside the game, counting what reaches it: key presses, mouse
// clicks and the times it is made the active window. Each count is written to the file named
// on the command line as it changes: "keys N clicks N activations N".
//   witness COUNT-FILE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string g_file;
int g_nKeys = 0, g_nClicks = 0, g_nActivations = 0;

void WriteCounts() {
    if (FILE* file = std::fopen(g_file.c_str(), "w")) {
        std::fprintf(file, "keys %d clicks %d activations %d\n", g_nKeys, g_nClicks,
                     g_nActivations);
        std::fclose(file);
    }
}

LRESULT CALLBACK WitnessProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            ++g_nKeys;
            WriteCounts();
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            ++g_nClicks;
            WriteCounts();
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                ++g_nActivations;
                WriteCounts();
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    g_file = argv[1];
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WitnessProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"Witness";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"Witness", L"Witness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    WriteCounts();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
