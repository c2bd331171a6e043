#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    // The helper never takes Qt options from its real command line: its two arguments are the
    // segment key and the language.
    static int fixedArgc = 1;
    static char programName[] = "Tamberlin";
    static char *fixedArgv[] = {programName, nullptr};
    QApplication app(fixedArgc, fixedArgv);

    QWidget placeholder;
    placeholder.resize(1, 1);
    placeholder.show();

    if (argc != 3)
        return -1;
    return 0;
}
