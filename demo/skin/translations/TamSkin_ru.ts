<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;Нет программы для PDF? Скачайте её здесь.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Дополнительные материалы для этого сканера.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Назад в главное меню</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Назад к руководствам</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Просмотреть содержимое %1</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Удалить скачанные файлы</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Закрыть сейчас</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE — зарегистрированные товарные знаки. Прочие названия принадлежат их владельцам.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Всё, что нужно для работы сканера.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Руководства по сканеру и его программам.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Установить программы</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Сведения об установке, системные требования и последние изменения для этого сканера.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Установка...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Главное меню</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>В Интернете доступны более новые версии.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Прочтите сначала</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Документы сканера</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Документы программ</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Спасибо</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Спасибо, что выбрали этот сканер. Программа установки закроется через несколько секунд.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Отметьте, что нужно установить, и нажмите «Установить» или «Скачать».</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Оставшееся время:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Всего к скачиванию:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Руководства пользователя</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Посетить сайт поддержки</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Интернет</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать</translation>
    </message>
</context>
</TS>
