// Draws the sample's splash image: java MakeSplash.java OUT.png
import java.awt.Color;
import java.awt.Font;
import java.awt.GradientPaint;
import java.awt.Graphics2D;
import java.awt.RenderingHints;
import java.awt.image.BufferedImage;
import java.io.File;
import javax.imageio.ImageIO;

public class MakeSplash {
  public static void main(String[] args) throws Exception {
    System.setProperty("java.awt.headless", "true");
    BufferedImage image = new BufferedImage(420, 180, BufferedImage.TYPE_INT_RGB);
    Graphics2D g = image.createGraphics();
    g.setRenderingHint(RenderingHints.KEY_ANTIALIASING, RenderingHints.VALUE_ANTIALIAS_ON);
    g.setPaint(new GradientPaint(0, 0, new Color(0x1F4E79), 420, 180, new Color(0x2E86C1)));
    g.fillRect(0, 0, 420, 180);
    g.setColor(Color.WHITE);
    g.setFont(new Font(Font.SANS_SERIF, Font.BOLD, 40));
    g.drawString("plovik", 30, 90);
    g.setFont(new Font(Font.SANS_SERIF, Font.PLAIN, 16));
    g.drawString("starting the Java side ...", 32, 130);
    g.dispose();
    ImageIO.write(image, "png", new File(args[0]));
  }
}
