package trelvo.plovik;

import java.awt.BorderLayout;
import java.awt.Font;
import java.awt.GraphicsEnvironment;
import java.awt.Rectangle;
import java.awt.Robot;
import java.awt.SplashScreen;
import java.awt.image.BufferedImage;
import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.List;
import javax.imageio.ImageIO;
import javax.swing.JFrame;
import javax.swing.JScrollPane;
import javax.swing.JTextArea;
import javax.swing.SwingUtilities;

/**
 * The sample Java side that plovik.exe starts: it shows what it was started with, in a small
 * window and, when asked, in a report file. A product starts from here and replaces the body of
 * {@link #run}.
 *
 * <p>Options of the sample itself, which it reads from its arguments (and still lists):
 * --report=FILE writes the report to FILE; --screenshot=FILE saves a PNG of the screen once the
 * window is up; --close-after=MS closes the window after MS milliseconds.
 */
public final class Main {
  private Main() {}

  public static void main(String[] args) throws Exception {
    // The splash screen closes with the first window, so look at it first.
    SplashScreen splash = SplashScreen.getSplashScreen();
    String splashText = splash == null ? "none" : "shown " + splash.getImageURL();
    String report = report(args, splashText);

    String reportFile = option(args, "--report=");
    String screenshot = option(args, "--screenshot=");
    String closeAfter = option(args, "--close-after=");

    if (!GraphicsEnvironment.isHeadless()) {
      if (splash != null) {
        Thread.sleep(1500); // let the splash be seen
      }
      JFrame frame = show(report);
      if (screenshot != null) {
        Thread.sleep(800); // let the window be painted
        saveScreenshot(frame, screenshot);
      }
      if (closeAfter != null) {
        Thread.sleep(Long.parseLong(closeAfter));
        SwingUtilities.invokeAndWait(frame::dispose);
      }
    }
    if (reportFile != null) {
      writeAtomically(Paths.get(reportFile), report);
    }
    if (closeAfter != null || GraphicsEnvironment.isHeadless()) {
      System.exit(0);
    }
  }

  static String report(String[] args, String splashText) {
    List<String> lines = new ArrayList<>();
    lines.add("trelvo.bin.name=" + System.getProperty("trelvo.bin.name"));
    lines.add("trelvo.bin.location=" + System.getProperty("trelvo.bin.location"));
    lines.add("splash=" + splashText);
    lines.add("java.class.path=" + System.getProperty("java.class.path"));
    // With the jar appended to the boot class path, the boot loader (null) loads this class.
    lines.add("loaded.by=" + (Main.class.getClassLoader() == null ? "boot" : "application"));
    lines.add("args=" + args.length);
    for (int i = 0; i < args.length; i++) {
      lines.add("arg[" + i + "]=" + args[i]);
    }
    return String.join("\n", lines) + "\n";
  }

  static String option(String[] args, String prefix) {
    for (String arg : args) {
      if (arg.startsWith(prefix)) {
        return arg.substring(prefix.length());
      }
    }
    return null;
  }

  static JFrame show(String report) throws Exception {
    JFrame[] frame = new JFrame[1];
    SwingUtilities.invokeAndWait(
        () -> {
          JTextArea text = new JTextArea(report);
          text.setEditable(false);
          text.setFont(new Font(Font.MONOSPACED, Font.PLAIN, 13));
          frame[0] = new JFrame("plovik sample: what the Java side received");
          frame[0].setDefaultCloseOperation(JFrame.DISPOSE_ON_CLOSE);
          frame[0].add(new JScrollPane(text), BorderLayout.CENTER);
          frame[0].setSize(900, 320);
          frame[0].setLocation(40, 40);
          frame[0].setVisible(true);
        });
    return frame[0];
  }

  static void saveScreenshot(JFrame frame, String file) throws Exception {
    Rectangle area = frame.getBounds();
    BufferedImage image = new Robot().createScreenCapture(area);
    ImageIO.write(image, "png", new File(file));
  }

  static void writeAtomically(Path target, String text) throws IOException {
    Path partial = target.resolveSibling(target.getFileName() + ".partial");
    Files.write(partial, text.getBytes(StandardCharsets.UTF_8));
    Files.move(partial, target, StandardCopyOption.REPLACE_EXISTING);
  }
}
