<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>EULA_dlg</name>
    <message>
        <source>License agreement</source>
        <translation>Contrato de licencia</translation>
    </message>
    <message>
        <source>I agree</source>
        <translation>Acepto</translation>
    </message>
    <message>
        <source>I do not agree</source>
        <translation>No acepto</translation>
    </message>
</context>
<context>
    <name>FrontEnd</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Choose Setup Language</source>
        <translation>Elegir el idioma de instalación</translation>
    </message>
    <message>
        <source>Select the language for this installation from the choices below.</source>
        <translation>Seleccione a continuación el idioma de esta instalación.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt; and Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt; y Corvex and Design&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; and PageWing&lt;sup&gt;®&lt;/sup&gt;</source>
        <translation>Corvex&lt;sup&gt;®&lt;/sup&gt;, Corvex and Design&lt;sup&gt;®&lt;/sup&gt; y PageWing&lt;sup&gt;®&lt;/sup&gt;</translation>
    </message>
    <message>
        <source>Confirm Exit</source>
        <translation>Confirmar salida</translation>
    </message>
    <message>
        <source>The applications you selected are still being installed. If you exit the installation disc, the current installer will complete; however, if activation or registration is required, it may not occur automatically.  In addition, any other selected applications will not be installed.

Do you want to exit?</source>
        <translation>Las aplicaciones seleccionadas todavía se están instalando. Si sale del disco de instalación, el instalador actual terminará; sin embargo, si se requiere activación o registro, es posible que no se realice automáticamente.  Además, el resto de las aplicaciones seleccionadas no se instalarán.

¿Desea salir?</translation>
    </message>
    <message>
        <source>Installing...</source>
        <translation>Instalando...</translation>
    </message>
</context>
</TS>
