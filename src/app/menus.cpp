#include "activities/activitycodes.h"
#include "app/mainwindow.h"
#include "app/menuwidget.h"
#include "widgets/sequencewidget.h"
#include "widgets/stageview.h"

#include <QLabel>
#include <QPixmap>

namespace {

struct MenuPictures
{
    QString normal;
    QString rollover;
};

} // namespace

void MainWindow::createMenus()
{
    const QString menus = systemMediaPath() + QStringLiteral("menus/");
    auto make = [&](const char *normal, const char *rollover, QRect geometry, int mode,
                    bool isActive, bool visible) {
        auto *widget
            = new MenuWidget(menus + QLatin1String(normal), menus + QLatin1String(rollover), this);
        widget->setGeometry(geometry);
        widget->clickMode = mode;
        widget->active = isActive;
        widget->setVisible(visible);
        return widget;
    };
    // A latched entry returns its siblings in the row to their normal picture.
    auto deactivates = [](MenuWidget *widget, std::initializer_list<MenuWidget *> others) {
        for (MenuWidget *other : others)
            connect(widget, &MenuWidget::menuClicked, other, &MenuWidget::slotDeactivate);
    };

    menuLetters = make("letras.png", "letrasroll.png", {370, 1, 131, 116}, 1, true, true);
    menuLetters->raise();
    menuReadWrite
        = make("leerescribir.png", "leerescribirroll.png", {639, 1, 277, 116}, 1, true, true);
    menuReadWrite->raise();
    subMenu1 = make("submenu1.png", "submenu1.png", {442, 116, 122, 60}, 1, true, true);
    subMenu1->raise();
    subMenu2 = make("submenu2.png", "submenu2.png", {564, 116, 153, 60}, 1, true, true);
    subMenu2->raise();
    subMenu3 = make("submenu3.png", "submenu3.png", {717, 116, 150, 60}, 1, true, true);
    subMenu3->raise();
    subSubMenu1 = make("subsubmenu1.png", "subsubmenu1.png", {542, 176, 307, 87}, 1, true, true);
    subSubMenu2 = make("subsubmenu2.png", "subsubmenu2.png", {542, 253, 307, 197}, 1, true, true);
    menuFile = make("archivo.png", "archivoroll.png", {10, 2, 91, 21}, 2, true, true);
    menuFile->raise();
    menuHelp = make("ayuda.png", "ayudaroll.png", {101, 2, 60, 21}, 3, true, true);
    menuUser = make("usuario.png", "usuario_roll.png", {12, 23, 91, 20}, 3, true, false);
    menuConfig = make("config.png", "config_roll.png", {12, 43, 91, 20}, 3, true, false);
    menuAdministrator
        = make("administrador.png", "administrador_roll.png", {12, 63, 91, 19}, 3, true, false);
    menuExit = make("salir.png", "salir_roll.png", {12, 82, 91, 23}, 3, true, false);
    menuFile->raise();
    fileMenuOpen = false;

    storiesHeader = make("cuentos.png", "cuentos.png", {542, 176, 362, 116}, 3, false, false);
    readMenu1 = make("leer1.png", "leer1roll.png", {542, 292, 362, 37}, 3, true, false);
    readMenu2 = make("leer2.png", "leer2roll.png", {542, 329, 362, 38}, 3, true, false);
    readMenu3 = make("leer3.png", "leer3roll.png", {542, 367, 362, 40}, 3, true, false);
    fablesHeader = make("fabulas.png", "fabulas.png", {542, 407, 362, 60}, 3, false, false);
    readMenu4 = make("leer4.png", "leer4roll.png", {542, 467, 362, 35}, 3, true, false);
    readMenu5 = make("leer5.png", "leer5roll.png", {542, 502, 362, 39}, 3, true, false);
    repeatButton = make("repetir.png", "repetir_roll.png", {935, 200, 70, 70}, 3, true, false);
    toggleWordButton
        = make("esconder.png", "esconder_roll.png", {935, 280, 70, 70}, 2, true, false);
    stopMotionButton
        = make("letrasstopmo.png", "letrasstopmo_roll.png", {935, 360, 70, 70}, 2, true, false);

    connect(menuLetters, &MenuWidget::menuClicked, this, &MainWindow::slotMenu1);
    deactivates(menuLetters, {menuReadWrite});
    connect(menuReadWrite, &MenuWidget::menuClicked, this, &MainWindow::slotMenu3);
    deactivates(menuReadWrite, {menuLetters});
    connect(subMenu1, &MenuWidget::menuClicked, this, &MainWindow::slotSubMenu1);
    deactivates(subMenu1, {subMenu2, subMenu3});
    connect(subMenu2, &MenuWidget::menuClicked, this, &MainWindow::slotSubMenu2);
    deactivates(subMenu2, {subMenu1, subMenu3});
    connect(subMenu3, &MenuWidget::menuClicked, this, &MainWindow::slotSubMenu3);
    deactivates(subMenu3, {subMenu1, subMenu2});
    connect(subSubMenu1, &MenuWidget::menuClicked, this, &MainWindow::slotSubSubMenu1);
    deactivates(subSubMenu1, {subSubMenu2});
    connect(subSubMenu2, &MenuWidget::menuClicked, this, &MainWindow::slotSubSubMenu2);
    deactivates(subSubMenu2, {subSubMenu1});

    connect(menuFile, &MenuWidget::menuClicked, this, &MainWindow::slotMenuArchivo);
    connect(menuHelp, &MenuWidget::menuClicked, this, &MainWindow::slotShowHelp);
    connect(menuUser, &MenuWidget::menuClicked, this, &MainWindow::slotUser);
    connect(menuUser, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    connect(menuConfig, &MenuWidget::menuClicked, this, &MainWindow::slotConfig);
    connect(menuConfig, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    connect(menuAdministrator, &MenuWidget::menuClicked, this, &MainWindow::slotAdministrador);
    connect(menuAdministrator, &MenuWidget::menuClicked, this, &MainWindow::slotHideMenuArchivo);
    connect(menuExit, &MenuWidget::menuClicked, this, &MainWindow::slotExit);

    connect(readMenu1, &MenuWidget::menuClicked, this, &MainWindow::slotLeer1);
    connect(readMenu2, &MenuWidget::menuClicked, this, &MainWindow::slotLeer2);
    connect(readMenu3, &MenuWidget::menuClicked, this, &MainWindow::slotLeer3);
    connect(readMenu4, &MenuWidget::menuClicked, this, &MainWindow::slotLeer4);
    connect(readMenu5, &MenuWidget::menuClicked, this, &MainWindow::slotLeer5);
    connect(repeatButton, &MenuWidget::menuClicked, this, &MainWindow::slotRepeatWord);
    connect(toggleWordButton, &MenuWidget::menuClicked, this, &MainWindow::slotToggleWord);
}

void MainWindow::slotMenu1()
{
    selectMenu(100);
}
void MainWindow::slotMenu3()
{
    selectMenu(300);
}
void MainWindow::slotSubMenu1()
{
    selectSubMenu(100);
}
void MainWindow::slotSubMenu2()
{
    selectSubMenu(200);
}
void MainWindow::slotSubMenu3()
{
    selectSubMenu(300);
}
void MainWindow::slotSubSubMenu1()
{
    selectSubSubMenu(100);
}
void MainWindow::slotSubSubMenu2()
{
    selectSubSubMenu(200);
}

void MainWindow::selectMenu(int button)
{
    resetScreen();
    if (button == 100)
        menuChoice = 0;
    else if (button == 300)
        menuChoice = 2;
    toggleWordButton->hide();
    repeatButton->hide();
    stopMotionButton->hide();
    updateSubMenuImages();
}

void MainWindow::updateSubMenuImages()
{
    const QString menus = systemMediaPath() + QStringLiteral("menus/");
    if (menuChoice == 0) {
        subMenu1->setImages(menus + "senas.png", menus + "senasroll.png");
        subMenu2->setImages(menus + "labial.png", menus + "labialroll.png");
        subMenu3->setImages(menus + "dactilologico.png", menus + "dactilologicoroll.png");
        subMenu1->active = subMenu2->active = subMenu3->active = true;
    } else if (menuChoice == 2) {
        subMenu1->setImages(menus + "submenu1.png", menus + "submenu1.png");
        subMenu2->setImages(menus + "leer.png", menus + "leerroll.png");
        subMenu3->setImages(menus + "escribir.png", menus + "escribirroll.png");
        subMenu1->active = false;
        subMenu2->active = subMenu3->active = true;
    }
    subSubMenu1->hide();
    subSubMenu2->hide();
}

void MainWindow::selectSubMenu(int button)
{
    if (menuChoice == 0) {
        if (button == 100)
            subMenuChoice = 10;
        else if (button == 200)
            subMenuChoice = 11;
        else if (button == 300)
            subMenuChoice = 12;
    } else if (menuChoice == 2) {
        if (button == 100)
            subMenuChoice = 0;
        else if (button == 200)
            subMenuChoice = 14;
        else if (button == 300)
            subMenuChoice = 15;
    }
    showSubSubMenu();
}

void MainWindow::showSubSubMenu()
{
    resetScreen();
    subSubMenu1->slotDeactivate();
    subSubMenu2->slotDeactivate();
    updateTopMenu(subMenuChoice);

    if (subMenuChoice == 14) {
        activeSubMenu = 14;
        // Reached straight from a writing activity, its buttons would stay over the stories.
        toggleWordButton->hide();
        repeatButton->hide();
        stopMotionButton->hide();
        m_stage->storySequence()->hide();
        subSubMenu1->hide();
        subSubMenu2->hide();
        arrowLeft->show();
        arrowLeft->raise();
        arrowRight->show();
        arrowRight->raise();
        m_stage->hideTitle();
        const std::initializer_list<MenuWidget *> story
            = {storiesHeader, readMenu1, readMenu2, readMenu3, fablesHeader, readMenu4, readMenu5};
        for (MenuWidget *widget : story)
            widget->show();
        for (MenuWidget *widget : story)
            widget->raise();
        return;
    }

    if (subMenuChoice == 10 || subMenuChoice == 11 || subMenuChoice == 12 || subMenuChoice == 15) {
        m_stage->storySequence()->hide();
        arrowLeft->hide();
        arrowRight->hide();
    }

    const QString menus = systemMediaPath() + QStringLiteral("menus/");
    MenuPictures first;
    MenuPictures second;
    switch (subMenuChoice) {
    case 10:
        first = {"tepresentosenas.png", "tepresentosenasroll.png"};
        second = {"comoempiezasenas.png", "comoempiezasenasroll.png"};
        break;
    case 11:
        first = {"digoletraslabial.png", "digoletraslabialroll.png"};
        second = {"comoempiezalabial.png", "comoempiezalabialroll.png"};
        break;
    case 12:
        first = {"presentodactilologico.png", "presentodactilologicoroll.png"};
        second = {"letradactilologico.png", "letradactilologicoroll.png"};
        break;
    case 15:
        first = {"escribir1.png", "escribir1roll.png"};
        second = {"escribir2.png", "escribir2roll.png"};
        break;
    default:
        break;
    }
    auto path = [&](const QString &name) { return name.isEmpty() ? QString() : menus + name; };
    subSubMenu1->setImages(path(first.normal), path(first.rollover));
    subSubMenu2->setImages(path(second.normal), path(second.rollover));

    if (menuChoice == 0 || menuChoice == 2) {
        subSubMenu1->active = true;
        subSubMenu2->active = true;
        m_stage->stopVideo();
        m_stage->stopSequences();
        m_stage->hideHandPicture();
        subSubMenu1->show();
        subSubMenu2->show();
    } else {
        subSubMenu1->hide();
        subSubMenu2->hide();
    }
    subSubMenu1->raise();
    subSubMenu2->raise();
}

void MainWindow::updateTopMenu(int subMenuCode)
{
    const QString system = systemMediaPath();
    const QString menus = system + QStringLiteral("menus/");
    if (subMenuCode == 14) {
        backgroundLabel->setPixmap(QPixmap(system + QStringLiteral("ui/backgroundleer.png")));
        menuLetters->setImages(menus + "letras_leer.png", menus + "letras_leer.png");
        menuReadWrite->setImages(menus + "leerescribir_leer.png", menus + "leerescribir_leer.png");
    } else {
        backgroundLabel->setPixmap(QPixmap(system + QStringLiteral("ui/background.png")));
        menuLetters->setImages(menus + "letras.png", menus + "letrasroll.png");
        menuReadWrite->setImages(menus + "leerescribir.png", menus + "leerescribirroll.png");
    }
    backgroundLabel->lower();
}

void MainWindow::selectSubSubMenu(int button)
{
    if (menuChoice == 0) {
        const int offset = button == 100 ? 0 : button == 200 ? 1 : -1;
        if (offset >= 0) {
            if (subMenuChoice == 10)
                subSubMenuChoice = 20 + offset;
            else if (subMenuChoice == 11)
                subSubMenuChoice = 22 + offset;
            else if (subMenuChoice == 12)
                subSubMenuChoice = 24 + offset;
        }
    } else if (menuChoice == 2 && subMenuChoice == 15) {
        if (button == 100)
            subSubMenuChoice = 30;
        else if (button == 200)
            subSubMenuChoice = 31;
    }

    toggleWordButton->hide();
    repeatButton->hide();
    stopMotionButton->hide();

    if (ActivityCode::isPresentation(subSubMenuChoice)) {
        for (MenuWidget *widget : {repeatButton, toggleWordButton, stopMotionButton}) {
            widget->show();
            widget->raise();
        }
    } else if (ActivityCode::isQuestion(subSubMenuChoice)) {
        repeatButton->show();
        repeatButton->raise();
    }

    m_stage->storySequence()->hide();
    subSubMenu1->hide();
    subSubMenu2->hide();
    startActivity();
}

void MainWindow::slotMenuArchivo()
{
    if (fileMenuOpen) {
        slotHideMenuArchivo();
        return;
    }
    for (MenuWidget *widget : {menuAdministrator, menuExit, menuUser, menuConfig})
        widget->show();
    for (MenuWidget *widget : {menuAdministrator, menuExit, menuUser, menuConfig})
        widget->raise();
    fileMenuOpen = true;
}

void MainWindow::slotHideMenuArchivo()
{
    menuFile->slotDeactivate();
    for (MenuWidget *widget : {menuAdministrator, menuExit, menuUser, menuConfig})
        widget->hide();
    fileMenuOpen = false;
}

void MainWindow::slotFlechaDer()
{
    if (!m_stage->storySequence()->slotFwd())
        selectSubMenu(200);
}

void MainWindow::slotFlechaIzq()
{
    if (!m_stage->storySequence()->slotBack())
        selectSubMenu(200);
}
