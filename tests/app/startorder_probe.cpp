// The program's start order on its own, without a test library that could meet Qt first:
// the photograph is prefetched before the application object exists, with a pause so that
// the decoding thread surely reaches Qt before this one does again. Prints what the page got.
#include "app/mainform.h"
#include "app/page/boardpage.h"
#include "components/boardimage.h"
#include "platform/application.h"

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char **argv)
{
    BoardPage::prefetch();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    TApplication app(argc, argv);
    TMainForm form;
    const QImage image = form.BoardImage1->pictureImage();
    std::printf("picture %dx%d\n", image.width(), image.height());
    return 0;
}
