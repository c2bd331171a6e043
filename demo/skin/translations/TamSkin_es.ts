<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>TamSkin</name>
    <message>
        <source>&lt;a href="reader" style="color:#9fd3ff;"&gt;Need a PDF reader? Get one here.&lt;/a&gt;</source>
        <translation>&lt;a href="reader" style="color:#9fd3ff;"&gt;¿No tiene un lector de PDF? Consiga uno aquí.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Additional material for this scanner.</source>
        <translation>Material adicional para este escáner.</translation>
    </message>
    <message>
        <source>Back to the main menu</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <source>Back to the user guides</source>
        <translation>Volver a las guías</translation>
    </message>
    <message>
        <source>Browse the %1 contents</source>
        <translation>Examinar el contenido del %1</translation>
    </message>
    <message>
        <source>Clear the download cache</source>
        <translation>Vaciar la caché de descargas</translation>
    </message>
    <message>
        <source>Close now</source>
        <translation>Cerrar ahora</translation>
    </message>
    <message>
        <source>DO_NOT_TRANSLATE are registered trademarks. All other names belong to their owners.</source>
        <translation>DO_NOT_TRANSLATE son marcas registradas. Los demás nombres pertenecen a sus propietarios.</translation>
    </message>
    <message>
        <source>Disc</source>
        <translation>Disco</translation>
    </message>
    <message>
        <source>Everything you need to get your scanner working.</source>
        <translation>Todo lo necesario para que su escáner funcione.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Guides for the scanner and for its software.</source>
        <translation>Guías del escáner y de su software.</translation>
    </message>
    <message>
        <source>Install software</source>
        <translation>Instalar software</translation>
    </message>
    <message>
        <source>Installation notes, system requirements and last-minute changes for this scanner.</source>
        <translation>Notas de instalación, requisitos del sistema y cambios de última hora para este escáner.</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Instalando...</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Newer versions are available on the web.</source>
        <translation>Hay versiones más recientes disponibles en Internet.</translation>
    </message>
    <message>
        <source>Read me first</source>
        <translation>Léame primero</translation>
    </message>
    <message>
        <source>Scanner documents</source>
        <translation>Documentos del escáner</translation>
    </message>
    <message>
        <source>Software documents</source>
        <translation>Documentos del software</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Thank you</source>
        <translation>Gracias</translation>
    </message>
    <message>
        <source>Thank you for choosing this scanner. The setup program closes in a few seconds.</source>
        <translation>Gracias por elegir este escáner. El instalador se cerrará en unos segundos.</translation>
    </message>
    <message>
        <source>Tick what you want to install, then press Install or Download.</source>
        <translation>Marque lo que desea instalar y haga clic en Instalar o Descargar.</translation>
    </message>
    <message>
        <source>Time remaining:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Total download size:</source>
        <translation>Tamaño total de descarga:</translation>
    </message>
    <message>
        <source>User guides</source>
        <translation>Guías del usuario</translation>
    </message>
    <message>
        <source>Visit the support web site</source>
        <translation>Visitar el sitio web de asistencia</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido</translation>
    </message>
</context>
</TS>
